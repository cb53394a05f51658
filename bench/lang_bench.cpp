// Costs of the language/GUI file work: reading and applying a large file
// with the translator, and the save of the main window, in one replacement
// of the file and, for comparison, key by key.
#include "lang/IniFile.h"
#include "lang/OrqTranslator.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Label.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kControls = 64;
constexpr int kLabels = 33;

// The frame whose sections the benchmarks apply.
class TBenchMovieFrame : public TFrame {
 public:
  static const TClassInfo& StaticClass() {
    static const TClassInfo info("TMovieFrame", &TFrame::StaticClass());
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TBenchMovieFrame(TComponent* owner) : TFrame(owner) {}
};

QString ControlName(int i) { return QStringLiteral("EControl%1").arg(i); }

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) std::abort();
}

// Sections of other windows, `count` lines in all (headers and the blank
// line before each included), each key line about `lineLength` bytes.
QByteArray OtherSections(int count, int lineLength) {
  QByteArray text;
  for (int i = 0; i < count; ++i) {
    if (i % 200 == 0 && i + 2 < count) {
      text += "\r\n[TOtherWindow" + QByteArray::number(i / 200) + "]\r\n";
      i += 2;
    }
    QByteArray line = "LOther" + QByteArray::number(i) + ".Caption=";
    line += QByteArray(std::max<qsizetype>(1, lineLength - line.size()), 'x');
    text += line + "\r\n";
  }
  return text;
}

// The frame's section: six layout lines per control and a caption per label.
QByteArray FrameSection() {
  QByteArray text = "[TMovieFrame]\r\n";
  for (int i = 0; i < kControls; ++i) {
    const QByteArray n = ControlName(i).toLatin1();
    if (i < kLabels) text += n + ".Caption=Beschriftung " + QByteArray::number(i) + "\r\n";
    for (const char* key : {".Left=8", ".Top=16", ".Width=120", ".Height=21", ".Visible=1", ".Anchors=3"})
      text += n + key + "\r\n";
  }
  return text;
}

// A frame of 33 static texts and 31 edits. range(0) 0: the frame's section
// holds its usual ~450 lines among 5,000; 1: all 5,000 lines are in it.
void LoadAndApplyLargeFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Deutsch.lng");
  QByteArray text;
  if (state.range(0) == 0) {
    const QByteArray frame = FrameSection();
    const int frameLines = static_cast<int>(frame.count('\n'));
    text = "[FileInformation]\r\nName=Deutsch\r\n" + OtherSections(5000 - 3 - frameLines, 40) + "\r\n" + frame;
  } else {
    static const char* const keys[] = {".Caption=Beschriftung", ".Left=8", ".Top=16", ".Width=120", ".Visible=1"};
    text = "[TMovieFrame]\r\n";
    for (int i = 1; i < 5000; ++i) text += ControlName(i % kControls).toLatin1() + keys[i % 5] + "\r\n";
  }
  WriteFile(path, text);
  TBenchMovieFrame frame(nullptr);
  frame.SetName("FrmMovie");
  for (int i = 0; i < kControls; ++i) {
    TControl* control = i < kLabels ? static_cast<TControl*>(new TStaticText(&frame)) : new TEdit(&frame);
    control->SetName(ControlName(i));
    control->SetParent(&frame);
  }
  TOrqTranslator translator(nullptr);
  for (auto _ : state) {
    translator.LoadLanguageFile(path);
    translator.TranslateFrame(&frame);
    benchmark::DoNotOptimize(translator.FileLines()->Count());
  }
  state.counters["lines"] = translator.FileLines()->Count();
}

// The writes of the main window's Save: the file information, CustomGUI,
// each control's caption (labels) and six layout keys, then the captions once
// more. Returns the number of writes.
int SaveWrites(TIniFile& ini) {
  int writes = 0;
  ini.WriteString("FileInformation", "VersionFormat", "4.0.6.4");
  ini.WriteString("FileInformation", "Version", "1.1");
  ini.WriteString("FileInformation", "Authors", "Author One|author-one-address");
  ini.WriteString("FileInformation", "Comments", "First line|second line");
  ini.WriteString("FileInformation", "CustomGUI", "yes");
  writes += 5;
  for (int i = 0; i < kControls; ++i) {
    const QString n = ControlName(i);
    if (i < kLabels) {
      ini.WriteString("TMovieFrame", n + ".Caption", "Beschriftung");
      ++writes;
    }
    ini.WriteInteger("TMovieFrame", n + ".Left", 10 + i);
    ini.WriteInteger("TMovieFrame", n + ".Top", 20 + i);
    ini.WriteInteger("TMovieFrame", n + ".Width", 100);
    ini.WriteInteger("TMovieFrame", n + ".Height", 21);
    ini.WriteBool("TMovieFrame", n + ".Visible", true);
    ini.WriteInteger("TMovieFrame", n + ".Anchors", 3);
    writes += 6;
  }
  for (int i = 0; i < kLabels; ++i) ini.WriteString("TMovieFrame", ControlName(i) + ".Caption", "Beschriftung");
  return writes + kLabels;
}

// A Save into a 300 KB file. range(0) is 1 when the file already holds the
// layout keys; range(1) is 1 for the Save as the main window makes it, all
// keys in one update and one replacement of the file, and 0 for the same
// writes key by key, each replacing the file.
void SaveSequence(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Deutsch.lng");
  QByteArray original = "[FileInformation]\r\nName=Deutsch\r\nVersion=1.0\r\n\r\n[MainForm]\r\n";
  original += OtherSections(300 * 1024 / 62, 60);
  if (state.range(0) == 1) original += "\r\n" + FrameSection();
  const bool oneUpdate = state.range(1) == 1;
  int writes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    WriteFile(path, original);
    state.ResumeTiming();
    TIniFile ini(path);
    if (oneUpdate) ini.BeginUpdate();
    writes = SaveWrites(ini);
    if (oneUpdate) ini.EndUpdate();
  }
  state.counters["writes"] = writes;
  state.counters["file_KB"] = static_cast<double>(original.size()) / 1024.0;
}

// One key write into the same 300 KB file, to separate the cost of building
// the new content from the cost of putting it on disk.
void SingleWrite(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Deutsch.lng");
  WriteFile(path, "[FileInformation]\r\nName=Deutsch\r\n\r\n[MainForm]\r\n" + OtherSections(300 * 1024 / 62, 60) +
                      "\r\n" + FrameSection());
  TIniFile ini(path);
  int i = 0;
  for (auto _ : state) ini.WriteInteger("TMovieFrame", "EControl63.Left", ++i);
}

}  // namespace

BENCHMARK(LoadAndApplyLargeFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveSequence)
    ->ArgsProduct({{0, 1}, {1}})
    ->ArgNames({"layout", "one_update"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(SaveSequence)
    ->ArgsProduct({{0, 1}, {0}})
    ->ArgNames({"layout", "one_update"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK(SingleWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// Parsing a preferences-like XML file of about 1 MB with the preferences'
// own XML model, and the same file with Qt's stream reader as a reference;
// reading a long name=value list into the preferences record.
#include "prefs/JvSimpleXml.h"
#include "prefs/ProgramSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Settings with window sizes, lists and movie values, repeated in numbered
// sections until the text reaches the size asked for.
QByteArray PreferencesLikeXml(qsizetype targetSize) {
  QByteArray xml = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Preferences Version=\"4.0\">\n<Settings>\n";
  for (int section = 0; xml.size() < targetSize; ++section) {
    const QByteArray n = QByteArray::number(section);
    xml += "  <Main" + n + " WindowWidth=\"740\" WindowHeight=\"540\" WindowLeft=\"20\" Statusbar=\"True\" "
           "ColumnSettings=\"0,1,2,3\">\n    <MRU>\n";
    for (int i = 0; i < 8; ++i)
      xml += "      <File Name=\"C:\\Catalogs\\movies " + QByteArray::number(i) + ".amc\"/>\n";
    xml += "    </MRU>\n    <Toolbars><Bar Name=\"Main\" Visible=\"True\" Left=\"0\" Top=\"0\"/></Toolbars>\n  </Main" +
           n + ">\n  <Options" + n + ">\n    <MovieInfo AskNumber=\"True\" RatingTrunc=\"False\">\n"
           "      <DefaultMovie WindowWidth=\"570\"><Values Checked=\"True\" Rating=\"7.5\" "
           "Description=\"First line|second line &amp; more\" Actors=\"A, B, C\" SnapCount=\"0\"/></DefaultMovie>\n"
           "      <Lists ComboDelimiter=\",\">\n";
    for (const char* list : {"Media", "Sources", "Borrowers", "Country", "Category"}) {
      xml += QByteArray("        <") + list + " AutoAdd=\"False\" Sorted=\"True\">";
      for (int i = 0; i < 4; ++i) xml += "<Item Text=\"value " + QByteArray::number(i) + "\"/>";
      xml += QByteArray("</") + list + ">\n";
    }
    xml += "      </Lists>\n    </MovieInfo>\n    <Language File=\"English\"/>\n    <Note>Text with &lt;markup&gt; "
           "inside</Note>\n  </Options" +
           n + ">\n";
  }
  xml += "</Settings>\n</Preferences>\n";
  return xml;
}

// The file is written once for every benchmark of the run.
class XmlFile {
 public:
  XmlFile() : m_bytes(PreferencesLikeXml(1 << 20)) {
    m_path = m_dir.filePath(QStringLiteral("prefs.xml"));
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_bytes) != m_bytes.size()) std::abort();
  }
  static const XmlFile& Get() {
    static const XmlFile file;
    return file;
  }
  const QString& Path() const { return m_path; }
  qsizetype Size() const { return m_bytes.size(); }

 private:
  QTemporaryDir m_dir;
  QByteArray m_bytes;
  QString m_path;
};

void BM_SimpleXmlLoadFromFile(benchmark::State& state) {
  const XmlFile& file = XmlFile::Get();
  for (auto _ : state) {
    TJvSimpleXml xml(nullptr);
    xml.LoadFromFile(file.Path());
    benchmark::DoNotOptimize(xml.Root().ChildCount());
  }
  state.SetBytesProcessed(state.iterations() * file.Size());
}
BENCHMARK(BM_SimpleXmlLoadFromFile)->Unit(benchmark::kMillisecond);

// The reference reads every token and copies every name, attribute and text
// so that it does comparable work, but builds no tree.
void BM_QXmlStreamReaderFromFile(benchmark::State& state) {
  const XmlFile& file = XmlFile::Get();
  for (auto _ : state) {
    QFile input(file.Path());
    if (!input.open(QIODevice::ReadOnly)) state.SkipWithError("cannot open");
    QXmlStreamReader reader(&input);
    qsizetype seen = 0;
    while (!reader.atEnd()) {
      reader.readNext();
      if (reader.isStartElement()) {
        seen += reader.name().toString().size();
        for (const QXmlStreamAttribute& attribute : reader.attributes())
          seen += attribute.name().toString().size() + attribute.value().toString().size();
      } else if (reader.isCharacters()) {
        seen += reader.text().toString().size();
      }
    }
    if (reader.hasError()) state.SkipWithError("parse error");
    benchmark::DoNotOptimize(seen);
  }
  state.SetBytesProcessed(state.iterations() * file.Size());
}
BENCHMARK(BM_QXmlStreamReaderFromFile)->Unit(benchmark::kMillisecond);

// Looking an element up by name through the character tree.
void BM_SimpleXmlFind(benchmark::State& state) {
  TJvSimpleXml xml(nullptr);
  xml.LoadFromFile(XmlFile::Get().Path());
  TJvSimpleXmlElems& sections = xml.Root().Children().Find(QStringLiteral("Settings"))->Children();
  const QString last = sections.Item(sections.Count() - 1)->Name();
  for (auto _ : state) benchmark::DoNotOptimize(sections.Find(last));
  state.counters["children"] = sections.Count();
}
BENCHMARK(BM_SimpleXmlFind);

// The preferences reader over a document whose Import/LastFiles holds
// range(0) entries, each child's tag name the name of a name=value line: all
// names different (every entry a new line) or eight names by turns (every
// entry after the eighth replaces a value).
void BM_ReadNameValueList(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const int names = state.range(1) == 0 ? entries : 8;
  QString xml = QStringLiteral("<Preferences><Settings><Import><LastFiles>");
  for (int i = 0; i < entries; ++i)
    xml += QStringLiteral("<Kind%1 FileName=\"C:\\Imports\\file %2.csv\"/>").arg(i % names).arg(i);
  xml += QStringLiteral("</LastFiles></Import></Settings></Preferences>");
  TSettings settings;
  settings.Xml().LoadFromString(xml);
  for (auto _ : state) settings.ReadFromXml();
  state.counters["lines"] = settings.ImportLastFiles.Count();
}
BENCHMARK(BM_ReadNameValueList)
    ->ArgsProduct({{2000, 20000}, {0, 1}})
    ->ArgNames({"entries", "few_names"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

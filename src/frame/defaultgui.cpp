#include "frame/defaultgui.h"

#include "frame/framemovie.h"
#include "toolkit/Label.h"

namespace {

struct DefaultRow {
  const char* name;
  int left, top, width, height;
  bool visible;
  int anchors;  // 1 left, 2 top, 4 right, 8 bottom
};

// clang-format off
constexpr DefaultRow kDefaultLayout[] = {
    {"StarRating", 352, 54, 200, 20, true, 6},
    {"EVideoFormat", 104, 417, 126, 21, true, 13},
    {"ETranslatedTitle", 104, 101, 445, 21, true, 7},
    {"ESource", 104, 29, 180, 21, true, 7},
    {"ESize", 407, 465, 117, 21, true, 12},
    {"EResolution", 407, 417, 142, 21, true, 12},
    {"EProducer", 104, 149, 257, 21, true, 3},
    {"EOriginalTitle", 104, 77, 445, 21, true, 7},
    {"EFramerate", 407, 441, 117, 21, true, 12},
    {"EDirector", 104, 125, 257, 21, true, 3},
    {"EDescription", 104, 269, 445, 38, true, 7},
    {"EDate", 408, 29, 141, 21, true, 6},
    {"ECountry", 104, 173, 257, 21, true, 3},
    {"EComments", 104, 310, 445, 39, true, 13},
    {"EBorrower", 104, 53, 180, 21, true, 7},
    {"EAudioFormat", 104, 441, 126, 21, true, 13},
    {"EActors", 376, 146, 173, 96, true, 7},
    {"EYear", 104, 221, 55, 21, true, 3},
    {"EVideoBitrate", 233, 417, 55, 21, true, 12},
    {"ELength", 280, 221, 55, 21, true, 3},
    {"EDisks", 407, 489, 55, 21, true, 12},
    {"EAudioBitrate", 233, 441, 55, 21, true, 12},
    {"EURL", 104, 245, 445, 21, true, 7},
    {"LYear", 8, 225, 29, 17, true, 3},
    {"LVideoKbps", 292, 421, 27, 17, true, 12},
    {"LVideoFormat", 8, 421, 69, 17, true, 9},
    {"LURL", 8, 249, 29, 17, true, 3},
    {"LTranslatedTitle", 8, 105, 86, 17, true, 3},
    {"LSubtitles", 9, 493, 47, 17, true, 9},
    {"LSource", 8, 33, 41, 17, true, 3},
    {"LSizeUnit", 528, 469, 20, 17, true, 12},
    {"LSize", 331, 469, 56, 17, true, 12},
    {"LResolution", 331, 421, 57, 17, true, 12},
    {"LRating", 297, 57, 38, 17, true, 6},
    {"LProducer", 8, 153, 50, 17, true, 3},
    {"LOriginalTitle", 8, 81, 71, 17, true, 3},
    {"LMediaType", 297, 9, 63, 17, true, 6},
    {"LMedia", 8, 9, 65, 17, true, 3},
    {"LLengthMin", 339, 225, 23, 17, true, 3},
    {"LLength", 210, 225, 40, 17, true, 3},
    {"LLanguages", 8, 469, 60, 17, true, 9},
    {"LFramerateFPS", 528, 445, 18, 17, true, 12},
    {"LFramerate", 331, 445, 54, 17, true, 12},
    {"LDisks", 331, 493, 33, 17, true, 12},
    {"LDirector", 8, 129, 44, 17, true, 3},
    {"LDescription", 8, 273, 60, 17, true, 3},
    {"LDate", 297, 33, 64, 17, true, 6},
    {"LCountry", 8, 177, 43, 17, true, 3},
    {"LComments", 8, 314, 56, 17, true, 9},
    {"LCategory", 8, 201, 49, 17, true, 3},
    {"LBorrower", 8, 57, 49, 17, true, 3},
    {"LAudioKbps", 292, 445, 27, 17, true, 12},
    {"LAudioFormat", 8, 445, 69, 17, true, 9},
    {"LActors", 376, 129, 37, 17, true, 3},
    {"LVersion", 8, 353, 42, 17, true, 9},
    {"EVersion", 104, 352, 445, 21, true, 13},
    {"LReleaseNotes", 8, 377, 75, 17, true, 9},
    {"EReleaseNotes", 104, 376, 445, 38, true, 13},
    {"ECategory", 104, 197, 257, 21, true, 3},
    {"ELanguages", 104, 465, 184, 21, true, 13},
    {"ESubtitles", 104, 489, 184, 21, true, 13},
    {"EMediaType", 408, 5, 141, 21, true, 6},
    {"ERating", 408, 53, 41, 21, false, 6},
    {"EMedia", 104, 5, 180, 21, true, 7},
};
// clang-format on

}  // namespace

void ApplyDefaultGUI(TMovieFrame& frame) {
  for (const DefaultRow& row : kDefaultLayout) {
    TControl* control = frame.Child(QString::fromLatin1(row.name));
    // A control that has lost its name (a file may rename it) is not found and keeps its place.
    if (!control) continue;
    auto* label = dynamic_cast<TStaticText*>(control);
    if (label) label->SetAutoSize(false);
    control->SetLeft(row.left);
    control->SetTop(row.top);
    control->SetWidth(row.width);
    control->SetHeight(row.height);
    control->SetVisible(row.visible);
    control->SetAnchors(IntToAnchors(row.anchors));
    if (label) label->SetAutoSize(true);
  }
}

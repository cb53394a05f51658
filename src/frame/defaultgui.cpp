#include "frame/defaultgui.h"

#include "frame/framemovie.h"
#include "toolkit/Label.h"

namespace {

struct DefaultRow {
  const char* name;
  int left, top, width, height;
  bool visible;
  TAnchors anchors;
};

constexpr TAnchors L = kAnchorLeft, T = kAnchorTop, R = kAnchorRight, B = kAnchorBottom;

// clang-format off
constexpr DefaultRow kDefaultLayout[] = {
    {"StarRating", 352, 54, 200, 20, true, T + R},
    {"EVideoFormat", 104, 417, 126, 21, true, L + R + B},
    {"ETranslatedTitle", 104, 101, 445, 21, true, L + T + R},
    {"ESource", 104, 29, 180, 21, true, L + T + R},
    {"ESize", 407, 465, 117, 21, true, R + B},
    {"EResolution", 407, 417, 142, 21, true, R + B},
    {"EProducer", 104, 149, 257, 21, true, L + T},
    {"EOriginalTitle", 104, 77, 445, 21, true, L + T + R},
    {"EFramerate", 407, 441, 117, 21, true, R + B},
    {"EDirector", 104, 125, 257, 21, true, L + T},
    {"EDescription", 104, 269, 445, 38, true, L + T + R},
    {"EDate", 408, 29, 141, 21, true, T + R},
    {"ECountry", 104, 173, 257, 21, true, L + T},
    {"EComments", 104, 310, 445, 39, true, L + R + B},
    {"EBorrower", 104, 53, 180, 21, true, L + T + R},
    {"EAudioFormat", 104, 441, 126, 21, true, L + R + B},
    {"EActors", 376, 146, 173, 96, true, L + T + R},
    {"EYear", 104, 221, 55, 21, true, L + T},
    {"EVideoBitrate", 233, 417, 55, 21, true, R + B},
    {"ELength", 280, 221, 55, 21, true, L + T},
    {"EDisks", 407, 489, 55, 21, true, R + B},
    {"EAudioBitrate", 233, 441, 55, 21, true, R + B},
    {"EURL", 104, 245, 445, 21, true, L + T + R},
    {"LYear", 8, 225, 29, 17, true, L + T},
    {"LVideoKbps", 292, 421, 27, 17, true, R + B},
    {"LVideoFormat", 8, 421, 69, 17, true, L + B},
    {"LURL", 8, 249, 29, 17, true, L + T},
    {"LTranslatedTitle", 8, 105, 86, 17, true, L + T},
    {"LSubtitles", 9, 493, 47, 17, true, L + B},
    {"LSource", 8, 33, 41, 17, true, L + T},
    {"LSizeUnit", 528, 469, 20, 17, true, R + B},
    {"LSize", 331, 469, 56, 17, true, R + B},
    {"LResolution", 331, 421, 57, 17, true, R + B},
    {"LRating", 297, 57, 38, 17, true, T + R},
    {"LProducer", 8, 153, 50, 17, true, L + T},
    {"LOriginalTitle", 8, 81, 71, 17, true, L + T},
    {"LMediaType", 297, 9, 63, 17, true, T + R},
    {"LMedia", 8, 9, 65, 17, true, L + T},
    {"LLengthMin", 339, 225, 23, 17, true, L + T},
    {"LLength", 210, 225, 40, 17, true, L + T},
    {"LLanguages", 8, 469, 60, 17, true, L + B},
    {"LFramerateFPS", 528, 445, 18, 17, true, R + B},
    {"LFramerate", 331, 445, 54, 17, true, R + B},
    {"LDisks", 331, 493, 33, 17, true, R + B},
    {"LDirector", 8, 129, 44, 17, true, L + T},
    {"LDescription", 8, 273, 60, 17, true, L + T},
    {"LDate", 297, 33, 64, 17, true, T + R},
    {"LCountry", 8, 177, 43, 17, true, L + T},
    {"LComments", 8, 314, 56, 17, true, L + B},
    {"LCategory", 8, 201, 49, 17, true, L + T},
    {"LBorrower", 8, 57, 49, 17, true, L + T},
    {"LAudioKbps", 292, 445, 27, 17, true, R + B},
    {"LAudioFormat", 8, 445, 69, 17, true, L + B},
    {"LActors", 376, 129, 37, 17, true, L + T},
    {"LVersion", 8, 353, 42, 17, true, L + B},
    {"EVersion", 104, 352, 445, 21, true, L + R + B},
    {"LReleaseNotes", 8, 377, 75, 17, true, L + B},
    {"EReleaseNotes", 104, 376, 445, 38, true, L + R + B},
    {"ECategory", 104, 197, 257, 21, true, L + T},
    {"ELanguages", 104, 465, 184, 21, true, L + R + B},
    {"ESubtitles", 104, 489, 184, 21, true, L + R + B},
    {"EMediaType", 408, 5, 141, 21, true, T + R},
    {"ERating", 408, 53, 41, 21, false, T + R},
    {"EMedia", 104, 5, 180, 21, true, L + T + R},
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
    control->SetAnchors(row.anchors);
    if (label) label->SetAutoSize(true);
  }
}

// Saves the layout into a language/GUI file over and over, alternating
// between two variants, until it is killed. The crash test starts it and
// kills it at random moments.
//   ini_save_child FILE
#include "SaveKeys.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const QString path = QString::fromLocal8Bit(argv[1]);
  const std::vector<TFrameControl> controls = SampleFrameControls();
  std::fputs("ready\n", stdout);
  std::fflush(stdout);
  for (int variant = 2;; variant = 3 - variant) {
    TIniFile ini(path);
    ini.BeginUpdate();
    WriteLayoutSave(ini, controls, variant);
    ini.EndUpdate();
  }
}

// Whether a control must take the bounds it is given as they stand: while it,
// or a container it sits in, is being loaded or designed, rules such as a
// minimum height that follows the font leave its bounds alone, so that a
// layout read from a file or made in the designer is kept exactly.
#pragma once

class TControl;

bool KeepsStoredBounds(const TControl& control);

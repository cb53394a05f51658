// The built-in arrangement of the movie panel.
#pragma once

class TMovieFrame;

// Puts every control of the frame back to its built-in bounds, visibility
// and anchors, in the built-in order; labels then size themselves to their
// captions, keeping Left and Top. Captions, fonts, tab order and z-order stay.
void ApplyDefaultGUI(TMovieFrame& frame);

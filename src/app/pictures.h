// The main window's own pictures, drawn in code.
#pragma once

#include <QImage>

// The rating star: 20 x 20, a greyish-blue five-pointed star on pure
// magenta ($FF00FF), the transparent colour. Drawn without smoothing, so
// that every background pixel is exactly magenta.
QImage StarPicture();

enum class ToolbarPicture { Open, Save, SaveAs, Reset };
// 16 x 16 toolbar pictures with a transparent background.
QImage ToolbarImage(ToolbarPicture picture);

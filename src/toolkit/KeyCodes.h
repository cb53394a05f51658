// Qt keys to the 16-bit virtual key codes that key events carry.
#pragma once

#include <cstdint>

uint16_t QtKeyToVirtualKey(int qtKey);
int VirtualKeyToQtKey(uint16_t key);

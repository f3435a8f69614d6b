#pragma once
// Moving pictures between GDI bitmaps and Bitmap32, so the portable image
// builders do the work and GDI only draws.
#include <windows.h>

#include <optional>

#include "codecs/bitmap32.h"
#include "platform/win32/handles_win32.h"
#include "ui/flat_button_images.h"

namespace qv::win32 {

// The pixels of any bitmap (device-dependent or DIB, any bit count).
std::optional<Bitmap32> ReadBitmap(HBITMAP bitmap);

// A BITMAP resource loaded by name (LoadImageW with LR_CREATEDIBSECTION).
std::optional<Bitmap32> LoadBitmapResource(HINSTANCE instance, const wchar_t* name);

// A 32-bit top-down DIB section holding `picture`.
GdiBitmap CreateDib(const Bitmap32& picture);

// A monochrome bitmap holding `mask`.
GdiBitmap CreateMono(const MonoBitmap& mask);

}  // namespace qv::win32

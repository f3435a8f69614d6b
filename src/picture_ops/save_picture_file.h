#pragma once
// Writing a slot's picture to a file with the writer SavePict chose.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "picture_ops/save_pict_rules.h"
#include "util/bytes.h"

namespace qv {

class MetafileRenderer;

enum class SaveOutcome {
  Saved,
  NoPicture,    // no part the writer can use (a metafile writer needs the metafile part)
  Unreadable,   // the picture part is malformed
  TooLarge,     // the picture does not fit in memory
  WriteFailed,  // the file could not be written: show kUnableToWriteText
};

// Names the stream's format ids (as the clipboard that captured it does), so
// that a stored PNG file is found; without it none is.
using PictureFormatNames = std::function<std::string(uint32_t id)>;

// The file's bytes: BMP the bitmap part as stored; JPEG quality 80,
// progressive; GIF 256 colours, optimised palette, Floyd–Steinberg; EMF the
// metafile bits; WMF a placeable metafile of them; PNG the stored PNG file
// when the stream holds one that decodes, else the bitmap part encoded (with
// its alpha). Bitmap writers render a metafile-only picture with
// MetafileToBitmap first.
struct EncodedPicture {
  SaveOutcome outcome = SaveOutcome::NoPicture;
  Bytes bytes;
};
EncodedPicture EncodeSnapshotPicture(ByteView stream, PictWriter writer, MetafileRenderer& renderer,
                                     const PictureFormatNames& names = {});

// Encodes, then writes a temporary file beside `target` and renames it over
// `target`: a failed save leaves no half-written file under that name.
SaveOutcome SavePictureFile(ByteView stream, PictWriter writer, const std::filesystem::path& target,
                            MetafileRenderer& renderer, const PictureFormatNames& names = {});

}  // namespace qv

#pragma once
// Placeable Windows metafiles written from enhanced metafile bits.
#include <optional>

#include "util/bytes.h"

namespace qv {

inline constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr uint32_t kEmbeddedEmfIdent = 0x43464D57;  // "WMFC"
// Enhanced metafile bytes carried by one comment record.
inline constexpr size_t kEmfChunkBytes = 8192;

// A placeable WMF of the EMF: the 22-byte placeable header (bounds from the
// EMF frame, in twips unless that overflows 16 bits), an anisotropic window of
// that size, and the EMF itself in META_ESCAPE comment records, the form in
// which Windows keeps an enhanced metafile inside a Windows metafile.
// nullopt when the bits are not an enhanced metafile.
std::optional<Bytes> PlaceableWmfFromEmf(ByteView emf);
// The placeable header for the EMF's frame in front of a Windows metafile
// converted from it (the system's own conversion). nullopt when either is not
// what it should be.
std::optional<Bytes> PlaceableWmf(ByteView emf, ByteView windowsMetafile);

}  // namespace qv

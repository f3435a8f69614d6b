#pragma once
// Moving clipboard contents into and out of slot data streams, and the small
// readers that pull one thing out of a stream without touching the clipboard.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "snapshot/slot_stream.h"
#include "util/bytes.h"

namespace qv {

class Clipboard;

// Opens the clipboard for the lifetime of the object.
// The program's own writes wait this long at most for a clipboard that
// another program holds for a moment (it usually reads what changed).
inline constexpr int kWriteOpenAttempts = 20;
inline constexpr int kWriteOpenRetryMilliseconds = 10;

class ClipboardSession {
 public:
  // Tries `attempts` times, a moment apart, while another program holds the
  // clipboard.
  explicit ClipboardSession(Clipboard& clipboard, bool withOwner = false, int attempts = 1);
  ~ClipboardSession();
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool IsOpen() const { return open_; }

 private:
  Clipboard& clipboard_;
  bool open_;
};

// Every format on the clipboard into a new stream, with the format ids the
// clipboard listed in enumeration order (those not stored, such as display
// and synthesised formats, included). Both empty when the clipboard cannot be
// opened, holds nothing or is too large for memory. A clipboard that offers a
// PNG file ("PNG" or "image/png") and no bitmap format gets the decoded
// picture as its bitmap part, and CF_BITMAP joins the ids.
struct CapturedSnapshot {
  Bytes stream;
  std::vector<uint32_t> formats;
};
// With `keep`, it is asked about the format ids while the clipboard is open,
// before anything is copied; false captures nothing.
using FormatsCheck = std::function<bool(const std::vector<uint32_t>& ids)>;
CapturedSnapshot CaptureSnapshot(Clipboard& clipboard, const FormatsCheck& keep = {});
// The stream alone.
Bytes CaptureClipboard(Clipboard& clipboard);
// Empties the clipboard and puts every record and picture of the stream on it.
// An empty stream writes nothing. True when the clipboard was opened and rewritten.
bool RestoreToClipboard(Clipboard& clipboard, Bytes stream);

// The picture parts of a stream, as views into it.
struct SnapshotPictures {
  std::optional<ByteView> bitmap;    // a BMP file image
  std::optional<ByteView> metafile;  // EMF bits
};
// Each reader takes a parsed stream, or parses the bytes it is given.
SnapshotPictures ReadSnapshotPictures(const SlotStreamView& view);
SnapshotPictures ReadSnapshotPictures(ByteView stream);

// Text of the first record of format `id` (CF_TEXT and CF_UNICODETEXT match
// each other: whichever comes first), in the ANSI code page; empty when none.
std::string ReadFormatText(const SlotStreamView& view, uint32_t id);
std::string ReadFormatText(ByteView stream, uint32_t id);
// As ReadFormatText but loses no character: UTF-8, taken from CF_UNICODETEXT
// wherever it stands when the stream has it, else from CF_TEXT.
// maxUnits limits the text read to about that many UTF-16 units.
std::string ReadFormatTextUtf8(const SlotStreamView& view, uint32_t id, size_t maxUnits = SIZE_MAX);
std::string ReadFormatTextUtf8(ByteView stream, uint32_t id, size_t maxUnits = SIZE_MAX);
// File names of the CF_HDROP record (UTF-8), empty when there is none.
std::vector<std::string> ReadFileList(const SlotStreamView& view);
std::vector<std::string> ReadFileList(ByteView stream);

// A picture that replaces the stream's own pictures in WriteSnapshotWithBitmap.
struct PictureObject {
  enum class Type { Bitmap, Metafile } type = Type::Bitmap;
  Bytes bytes;  // a BMP file image or EMF bits
};
// Puts the stream's records (except "embed source" and PNG files) and the
// picture on the clipboard.
bool WriteSnapshotWithBitmap(Clipboard& clipboard, Bytes stream, const PictureObject& picture);
// CF_TEXT and CF_UNICODETEXT of the text, with the program as owner.
void PutTextOnClipboard(Clipboard& clipboard, std::u16string_view text);

bool ClipboardHasData(Clipboard& clipboard);
void EmptyTheClipboard(Clipboard& clipboard);
// The formats on the clipboard in enumeration order; empty when it cannot be opened.
std::vector<uint32_t> EnumerateClipboardFormats(Clipboard& clipboard);
// The same for a clipboard the caller has open. Stops at a repeated id.
std::vector<uint32_t> EnumerateOpenClipboard(Clipboard& clipboard);

}  // namespace qv

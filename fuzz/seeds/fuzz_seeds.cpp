// Writes the seed corpora under fuzz/corpus/<target>/ from the program's own
// writers and the unit tests' builders: one well-formed example of each case
// a reader distinguishes, so fuzzing starts from inputs that reach deep.
#include <filesystem>
#include <fstream>
#include <string>

#include "attributes/attribute_context.h"
#include "attributes/classify.h"
#include "codecs/bmp.h"
#include "codecs/png.h"
#include "platform/clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "store/slot_attributes.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using namespace qv;
using namespace qv::test;

void Write(const fs::path& root, const char* target, const std::string& name, ByteView bytes) {
  fs::create_directories(root / target);
  std::ofstream(root / target / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& root, const char* target, const std::string& name,
               const std::string& text) {
  Write(root, target, name, ByteView(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path root = argc > 1 ? fs::path(argv[1]) : fs::path("fuzz/corpus");
  const Bitmap32 picture = Picture(5, 3);
  const Bytes emf = MakeTestEmf(20, 10, Bytes{1, 2, 3});
  const Bytes rtf =
      Ansi(R"({\rtf1\ansi\deff0{\fonttbl{\f0 Tahoma;}}{\colortbl;\red255\green0\blue0;})"
           R"(\f0\fs16 Plain {\b bold} \cf1 red\par\u1046?\'e9 end})");

  Write(root, "slot_stream", "text",
        Stream({{CF_TEXT, Ansi("alpha")}, {CF_UNICODETEXT, Wide(u"alpha")}}));
  Write(root, "slot_stream", "rich", Stream({{49300, rtf}, {CF_TEXT, Ansi("Plain bold")}}));
  Write(root, "slot_stream", "bitmap", Stream({{CF_DIB, Dib(picture)}}, EncodeBmp(picture)));
  Write(root, "slot_stream", "metafile", Stream({{CF_ENHMETAFILE, Bytes{}}}, {}, emf));
  Write(root, "slot_stream", "files", Stream({{CF_HDROP, DropList({"C:\\a.txt", "D:\\b c.doc"})}}));

  Write(root, "file_list", "wide", DropList({"C:\\a.txt", "D:\\Ферма.doc"}));
  Write(root, "file_list", "ansi", DropList({"C:\\a.txt", "D:\\b.doc"}, false));
  Write(root, "file_list", "header", DropHeader(true));

  TClipRec text;
  text.Kind = kKindText;
  text.HasText = true;
  text.Preview = "alpha";
  text.LineCount = 1;
  text.Size = 40;
  Write(root, "attributes", "text", WriteSlotAttributes(text));
  TClipRec pict;
  pict.Kind = kKindPicture;
  pict.HasBitmap = true;
  pict.PictWidth = 5;
  pict.PictHeight = 3;
  Write(root, "attributes", "picture", WriteSlotAttributes(pict));

  WriteText(root, "ini", "options",
            "[main]\r\nminimized=0\r\ntransparent=30\r\nbackground=$00FF8000\r\n"
            "[slots]\r\ncount=20\r\npage=3\r\nmaxsize=100\r\n[view]\r\nfont=Tahoma,8\r\n");
  WriteText(root, "ini", "index",
            "[main]\r\ncount=2\r\n[slot1]\r\ndata=123.dat\r\nset=124.dat\r\n"
            "[slot2]\r\ndata=125.dat\r\nset=126.dat\r\n");
  WriteText(root, "ini", "hotkeys",
            "[hotkeys]\r\nwindow.show=Ctrl+Alt+F12\r\npaste.slot1=Ctrl+Shift+1\r\n");

  Write(root, "picture", "bmp24", EncodeBmp(picture, 24));
  Write(root, "picture", "bmp32", EncodeBmp(picture, 32));
  Write(root, "picture", "bmp8",
        BmpOf(3, -2, 8, {0x000000, 0xFF0000, 0x00FF00}, {0, 1, 2, 2, 1, 0}));
  Write(root, "picture", "bmp1",
        BmpOf(9, 2, 1, {0x000000, 0xFFFFFF}, std::vector<uint32_t>(18, 1)));
  Write(root, "picture", "emf", emf);

  AlphaBitmap translucent{Picture(4, 4, 3), true};
  for (uint32_t& pixel : translucent.bitmap.pixels) pixel |= 0x80000000u;
  Write(root, "png", "rgb", EncodePng({picture, false}).value_or(Bytes{}));
  Write(root, "png", "alpha", EncodePng(translucent).value_or(Bytes{}));

  Write(root, "rtf", "styled", rtf);
  WriteText(root, "rtf", "nested",
            R"({\rtf1{\*\ignored x}{\field{\fldinst HYPERLINK "u"}{\fldrslt link}}\tab\line\par})");
  WriteText(root, "rtf", "plain", "not a document at all");
  return 0;
}

// Writes the sample firmware files into a folder (samples/ by default), or one
// benchmark image: make-samples --image BYTES FILE.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "hex_writer.h"

namespace {

using samples::HexWriter;
using samples::Random;

bool Write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file) std::cerr << "make-samples: cannot write " << path << "\n";
  return static_cast<bool>(file);
}

std::string DeviceImage() {
  HexWriter hex(false, "\r\n");
  hex.Text(
      "{DeviceType = VOV}\r\n"
      "{FirmwareVersion = 2.14}\r\n"
      "{HardwareVersionList = AA AB \"C1\"}\r\n"
      "{AuxiliaryVersion = 1 1A0}\r\n"
      "{AuxiliaryVersion = 2 3B2}\r\n"
      "{Display = 1 \"Boot Loader\"}\r\n"
      "{Display = 2 \"Video Engine\"}\r\n");
  Random random(1);
  hex.ExtLinear(0x00FE);
  hex.Block(0x0000, random.Bytes(0x400));
  hex.ExtLinear(0x00FF);
  hex.Block(0x0000, random.Bytes(0x2000));
  hex.Block(0x8000, random.Bytes(0x100));
  hex.EndOfFile();
  return hex.Str();
}

// Segment 0xFF only (no address records), written in lower case.
std::string ConsoleImage() {
  HexWriter hex(true);
  hex.Text(
      "Console firmware\n"
      "{DeviceType = \"J1 \"}\n"
      "{FirmwareVersion = 1.07}\n"
      "{HardwareVersionRange = AA AD}\n");
  Random random(2);
  hex.Block(0x0000, random.Bytes(0x1000));
  hex.EndOfFile();
  return hex.Str();
}

std::string VjvImage() {
  HexWriter hex;
  hex.Text("{DeviceType = VJV}\n{FirmwareVersion = 3.02}\n{HardwareVersionRange = AC BB}\n");
  Random random(3);
  hex.Block(0x0000, random.Bytes(0x800));
  hex.EndOfFile();
  hex.Text("Second image\n");
  hex.ExtLinear(0x00FF);
  hex.Block(0x4000, random.Bytes(0x200));
  hex.EndOfFile();
  return hex.Str();
}

// Low segments selected by extended segment address records.
std::string VwtImage() {
  HexWriter hex;
  hex.Text("{DeviceType = VWT}\n{FirmwareVersion = 1.50}\n{HardwareVersionList = B1}\n");
  Random random(4);
  hex.ExtSegment(0x0000);
  hex.Block(0x0000, random.Bytes(0x800));
  hex.ExtSegment(0x1000);
  hex.Block(0x0000, random.Bytes(0x800));
  hex.ExtSegment(0x2000);
  hex.Block(0x0100, random.Bytes(0x300));
  hex.EndOfFile();
  return hex.Str();
}

std::string NoEndOfFile() {
  HexWriter hex;
  hex.Text("{DeviceType = QRa}\n");
  Random random(5);
  hex.Block(0x0000, random.Bytes(0x40));
  return hex.Str();
}

// The third record's checksum is wrong.
std::string BadChecksum() {
  HexWriter hex;
  Random random(6);
  hex.Block(0x0000, random.Bytes(0x40));
  hex.EndOfFile();
  std::string text = hex.Str();
  size_t line = 0;
  for (int i = 0; i < 3; ++i) line = text.find('\n', line) + 1;
  const size_t last = line - 2;  // the third line's last checksum digit
  text[last] = text[last] == '0' ? '1' : '0';
  return text;
}

// The second image of a VJV file stops before its end-of-file record.
std::string VjvTruncatedSecond() {
  HexWriter hex;
  hex.Text("{DeviceType = VJV}\n");
  Random random(7);
  hex.Block(0x0000, random.Bytes(0x40));
  hex.EndOfFile();
  hex.Block(0x0000, random.Bytes(0x40));
  return hex.Str();
}

int WriteSamples(const std::string& dir) {
  const struct {
    const char* name;
    std::string text;
  } files[] = {
      {"device.hex", DeviceImage()},
      {"console.hex", ConsoleImage()},
      {"vjv.hex", VjvImage()},
      {"vwt.hex", VwtImage()},
      {"broken-empty.hex", ""},
      {"broken-no-records.hex", "{DeviceType = VOV}\nThis file has no records at all.\n"},
      {"broken-no-eof.hex", NoEndOfFile()},
      {"broken-checksum.hex", BadChecksum()},
      {"broken-vjv-second.hex", VjvTruncatedSecond()},
      // The first end-of-file line lacks its checksum digits, so the line end becomes its checksum.
      {"broken-short-eof.hex", ":10000000000102030405060708090A0B0C0D0E0F78\r\n:00000001\r\n:00000001FF\r\n"},
  };
  for (const auto& file : files)
    if (!Write(dir + "/" + file.name, file.text)) return 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--image" && argc == 4) return Write(argv[3], samples::MakeImage(std::strtoull(argv[2], nullptr, 0), 42)) ? 0 : 1;
  if (argc > 2 || first.rfind("--", 0) == 0) {
    std::cerr << "usage: make-samples [DIR] | make-samples --image BYTES FILE\n";
    return 64;
  }
  return WriteSamples(argc == 2 ? first : "samples");
}

#include "core/palette_exchange.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/format.h"

namespace {

int Red(std::uint32_t c) { return c & 0xFF; }
int Green(std::uint32_t c) { return (c >> 8) & 0xFF; }
int Blue(std::uint32_t c) { return (c >> 16) & 0xFF; }
std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r | g << 8 | b << 16); }

std::string Hex(std::uint32_t c, const char* form = "#%02X%02X%02X") {
  char text[8];
  std::snprintf(text, sizeof text, form, Red(c), Green(c), Blue(c));
  return text;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Gimp(const std::vector<std::uint32_t>& colours) {
  std::string out = "GIMP Palette\nName: velun\nColumns: 8\n#\n";
  char line[32];
  for (std::uint32_t c : colours) {
    std::snprintf(line, sizeof line, "%3d %3d %3d\t", Red(c), Green(c), Blue(c));
    out += line + Hex(c) + "\n";
  }
  return out;
}

// Adobe Swatch Exchange 1.0: big-endian, one global RGB swatch a colour,
// named in UTF-16 with its terminating zero.
void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v >> 16);
  Put16(out, v & 0xFFFF);
}
void PutFloat(std::vector<std::uint8_t>& out, float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  Put32(out, bits);
}

std::vector<std::uint8_t> Ase(const std::vector<std::uint32_t>& colours) {
  std::vector<std::uint8_t> out = {'A', 'S', 'E', 'F'};
  Put16(out, 1);
  Put16(out, 0);
  Put32(out, static_cast<std::uint32_t>(colours.size()));
  for (std::uint32_t c : colours) {
    const std::string name = Hex(c);
    Put16(out, 0x0001);  // a colour entry
    Put32(out, static_cast<std::uint32_t>(2 + 2 * (name.size() + 1) + 4 + 12 + 2));
    Put16(out, static_cast<unsigned>(name.size() + 1));
    for (char ch : name) Put16(out, static_cast<unsigned char>(ch));
    Put16(out, 0);
    out.insert(out.end(), {'R', 'G', 'B', ' '});
    for (int v : {Red(c), Green(c), Blue(c)}) PutFloat(out, static_cast<float>(v / 255.0));
    Put16(out, 0);  // global
  }
  return out;
}

std::string Css(const std::vector<std::uint32_t>& colours) {
  std::string out = ":root {\n";
  for (std::size_t i = 0; i < colours.size(); ++i)
    out += "  --velun-" + std::to_string(i + 1) + ": " + Hex(colours[i], "#%02x%02x%02x") + ";\n";
  return out + "}\n";
}

std::string Json(const std::vector<std::uint32_t>& colours) {
  std::string out = "[";
  char item[96];
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const std::uint32_t c = colours[i];
    std::snprintf(item, sizeof item, "%s\n  {\"hex\": \"%s\", \"r\": %d, \"g\": %d, \"b\": %d}", i ? "," : "",
                  Hex(c).c_str(), Red(c), Green(c), Blue(c));
    out += item;
  }
  return out + "\n]\n";
}

std::string Text(const std::vector<std::uint32_t>& colours, const char* spuitFormat) {
  std::string out;
  char line[kFormatBufferSize];
  for (std::uint32_t c : colours) {
    FormatInput input;
    input.colour = c;
    out += ExpandFormat(line, spuitFormat, input);
    out += "\r\n";
  }
  return out;
}

// The file's lines without their line ends.
std::vector<std::string> Lines(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (data[i] != '\r') {
      line += static_cast<char>(data[i]);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string Trimmed(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

// "R G B" and what follows it (a GIMP name); false unless three numbers
// 0-255. Read by hand: a string stream per line costs milliseconds under
// Wine, seconds for a long palette.
bool ThreeChannels(const std::string& line, std::uint32_t& colour, bool restAllowed) {
  std::size_t at = 0;
  auto space = [&] {
    while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
  };
  int v[3];
  for (int& x : v) {
    space();
    const std::size_t start = at;
    x = 0;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && at - start < 3) x = x * 10 + (line[at++] - '0');
    if (at == start || x > 255) return false;
    if (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at]))) return false;
  }
  space();
  if (!restAllowed && at < line.size()) return false;
  colour = Rgb(v[0], v[1], v[2]);
  return true;
}

bool HexColour(const std::string& text, std::uint32_t& colour) {
  if (text.size() != 4 && text.size() != 7) return false;
  if (text[0] != '#' || text.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos) return false;
  const unsigned long v = std::stoul(text.substr(1), nullptr, 16);
  if (text.size() == 7) {
    colour = Rgb(static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
  } else {
    auto twice = [](unsigned long n) { return static_cast<int>(n * 17); };
    colour = Rgb(twice(v >> 8), twice((v >> 4) & 0xF), twice(v & 0xF));
  }
  return true;
}

PaletteImport ReadGimp(const std::uint8_t* data, std::size_t size) {
  PaletteImport r;
  const std::vector<std::string> lines = Lines(data, size);
  if (lines.empty() || Trimmed(lines[0]) != "GIMP Palette") return r;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string line = Trimmed(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos && line.find_first_of(" \t") > colon) continue;  // "Name:", "Columns:"
    std::uint32_t c;
    if (!ThreeChannels(line, c, true)) return PaletteImport{};
    r.colours.push_back(c);
  }
  r.valid = true;
  return r;
}

class BigEndian {
 public:
  BigEndian(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Has(std::size_t n) const { return n <= size_ - at_; }
  unsigned U16() {
    const unsigned v = static_cast<unsigned>(data_[at_] << 8 | data_[at_ + 1]);
    at_ += 2;
    return v;
  }
  std::uint32_t U32() {
    const std::uint32_t high = U16();  // two steps: the order of the reads matters
    return high << 16 | U16();
  }
  float Float() {
    const std::uint32_t bits = U32();
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }
  const std::uint8_t* Here() const { return data_ + at_; }
  void Skip(std::size_t n) { at_ += n; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

PaletteImport ReadAse(const std::uint8_t* data, std::size_t size) {
  PaletteImport r;
  BigEndian in(data, size);
  if (!in.Has(12) || std::memcmp(data, "ASEF", 4) != 0) return r;
  in.Skip(4);
  if (in.U16() != 1) return r;  // version 1.x
  in.U16();
  const std::uint32_t blocks = in.U32();
  for (std::uint32_t i = 0; i < blocks; ++i) {
    if (!in.Has(6)) return PaletteImport{};
    const unsigned type = in.U16();
    const std::uint32_t length = in.U32();
    if (!in.Has(length)) return PaletteImport{};
    if (type != 0x0001) {  // group start and end
      in.Skip(length);
      continue;
    }
    BigEndian entry(in.Here(), length);
    in.Skip(length);
    if (!entry.Has(2)) return PaletteImport{};
    const unsigned nameLength = entry.U16();
    if (!entry.Has(2 * static_cast<std::size_t>(nameLength) + 4)) return PaletteImport{};
    entry.Skip(2 * static_cast<std::size_t>(nameLength));
    const std::uint8_t* model = entry.Here();
    entry.Skip(4);
    if (std::memcmp(model, "RGB ", 4) != 0) {
      ++r.skipped;
      continue;
    }
    if (!entry.Has(12)) return PaletteImport{};
    int v[3];
    for (int& x : v) {
      const float f = entry.Float();
      if (!(f >= 0.0f && f <= 1.0f)) return PaletteImport{};
      x = static_cast<int>(std::lround(f * 255.0f));
    }
    r.colours.push_back(Rgb(v[0], v[1], v[2]));
  }
  r.valid = true;
  return r;
}

PaletteImport ReadText(const std::uint8_t* data, std::size_t size) {
  PaletteImport r;
  for (const std::string& raw : Lines(data, size)) {
    const std::string line = Trimmed(raw);
    if (line.empty()) continue;
    std::uint32_t c;
    if (!HexColour(line, c) && !ThreeChannels(line, c, false)) return PaletteImport{};
    r.colours.push_back(c);
  }
  r.valid = !r.colours.empty();
  return r;
}

}  // namespace

PaletteFileType PaletteFileTypeOf(const std::string& name) {
  const std::size_t dot = name.find_last_of('.');
  std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
  for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (ext == "gpl") return PaletteFileType::Gimp;
  if (ext == "ase") return PaletteFileType::Ase;
  if (ext == "css") return PaletteFileType::Css;
  if (ext == "json") return PaletteFileType::Json;
  return PaletteFileType::Text;
}

std::vector<std::uint8_t> ExportPalette(PaletteFileType type, const std::vector<std::uint32_t>& colours,
                                        const char* spuitFormat) {
  switch (type) {
    case PaletteFileType::Gimp: return Bytes(Gimp(colours));
    case PaletteFileType::Ase: return Ase(colours);
    case PaletteFileType::Css: return Bytes(Css(colours));
    case PaletteFileType::Json: return Bytes(Json(colours));
    case PaletteFileType::Text: return Bytes(Text(colours, spuitFormat));
  }
  return {};
}

PaletteImport ImportPalette(PaletteFileType type, const std::uint8_t* data, std::size_t size) {
  if (data == nullptr && size > 0) return {};
  switch (type) {
    case PaletteFileType::Gimp: return ReadGimp(data, size);
    case PaletteFileType::Ase: return ReadAse(data, size);
    case PaletteFileType::Text: return ReadText(data, size);
    case PaletteFileType::Css:
    case PaletteFileType::Json: break;
  }
  return {};
}

#include "media/sound_font_view.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace zembra {
namespace {

// ---- MIDI -----------------------------------------------------------------

std::uint32_t Be(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | b[at + i];
  return v;
}

// A channel event that matters for the presets, at its absolute tick.
struct TMidiStep {
  std::uint64_t Tick = 0;
  int Kind = 0;  // 0 bank select, 1 program change, 2 note on
  int Channel = 0;
  int Value = 0;
};

// Reads one track's steps; false when the track is cut short.
bool ReadTrack(const std::vector<unsigned char>& b, std::size_t pos, std::size_t end, std::vector<TMidiStep>& steps) {
  std::uint64_t tick = 0;
  int status = 0;
  auto varLength = [&](std::uint64_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
      if (pos >= end) return false;
      const unsigned char c = b[pos++];
      v = v << 7 | (c & 0x7F);
      if (!(c & 0x80)) return true;
    }
    return false;
  };
  while (pos < end) {
    std::uint64_t delta = 0;
    if (!varLength(delta)) return false;
    tick += delta;
    if (pos >= end) return false;
    if (b[pos] & 0x80) status = b[pos++];
    if (status == 0xFF) {  // meta event
      if (pos >= end) return false;
      ++pos;
      std::uint64_t length = 0;
      if (!varLength(length) || length > end - pos) return false;
      pos += length;
      status = 0;
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {  // system exclusive
      std::uint64_t length = 0;
      if (!varLength(length) || length > end - pos) return false;
      pos += length;
      status = 0;
      continue;
    }
    if (status < 0x80) return false;  // data without a status
    const int kind = status & 0xF0;
    const int channel = status & 0x0F;
    const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    if (end - pos < static_cast<std::size_t>(dataBytes)) return false;
    const int a = b[pos];
    const int v = dataBytes == 2 ? b[pos + 1] : 0;
    pos += dataBytes;
    if (kind == 0xB0 && a == 0) steps.push_back({tick, 0, channel, v});
    if (kind == 0xC0) steps.push_back({tick, 1, channel, a});
    if (kind == 0x90 && v > 0) steps.push_back({tick, 2, channel, a});
  }
  return true;
}

// ---- SoundFont ------------------------------------------------------------

void PutLe(std::string& s, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}

std::uint32_t Le(const std::string& s, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
  return v;
}

void SetLe(std::string& s, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
}

bool ReadAt(std::FILE* f, std::uint64_t at, void* buffer, std::uint64_t count) {
  if (fseeko(f, static_cast<off_t>(at), SEEK_SET) != 0) return false;
  return std::fread(buffer, 1, count, f) == count;
}

struct TChunk {
  std::string Id;
  std::uint64_t At = 0;  // of its header
  std::uint32_t Size = 0;
};

// The chunks between from and to (headers of eight bytes, even padding).
bool ListChunks(std::FILE* f, std::uint64_t from, std::uint64_t to, std::vector<TChunk>& out) {
  while (from + 8 <= to) {
    char header[8];
    if (!ReadAt(f, from, header, 8)) return false;
    TChunk c{std::string(header, 4), from, 0};
    std::memcpy(&c.Size, header + 4, 4);
    if (c.Size > to - from - 8) return false;
    out.push_back(c);
    from += 8 + c.Size + (c.Size & 1);
  }
  return true;
}

// Record sizes of the preset tables.
constexpr std::size_t kPhdr = 38, kBag = 4, kMod = 10, kGen = 4, kInst = 22, kShdr = 46;
constexpr int kGenInstrument = 41;

// The records of a table, the last one the terminal record.
struct TTable {
  std::string Bytes;
  std::size_t Width = 1;
  std::size_t Count() const { return Bytes.size() / Width; }
  std::string Record(std::size_t i) const { return Bytes.substr(i * Width, Width); }
};

// Copies the bags [first, last) of a preset or an instrument with their
// generators and modulators, renumbered; `remap` turns a generator's amount.
template <typename Remap>
void CopyBags(const TTable& bags, const TTable& gens, const TTable& mods, std::size_t first, std::size_t last,
              std::string& newBags, std::string& newGens, std::string& newMods, Remap remap) {
  for (std::size_t b = first; b < last; ++b) {
    PutLe(newBags, static_cast<std::uint32_t>(newGens.size() / kGen), 2);
    PutLe(newBags, static_cast<std::uint32_t>(newMods.size() / kMod), 2);
    const std::size_t g0 = Le(bags.Bytes, b * kBag, 2), g1 = Le(bags.Bytes, (b + 1) * kBag, 2);
    const std::size_t m0 = Le(bags.Bytes, b * kBag + 2, 2), m1 = Le(bags.Bytes, (b + 1) * kBag + 2, 2);
    for (std::size_t g = g0; g < g1; ++g) {
      std::string r = gens.Record(g);
      remap(r);
      newGens += r;
    }
    for (std::size_t m = m0; m < m1; ++m) newMods += mods.Record(m);
  }
}

// Whether every bag points inside the generator and modulator tables, in order.
bool BagsSound(const TTable& bags, const TTable& gens, const TTable& mods) {
  std::uint32_t g = 0, m = 0;
  for (std::size_t b = 0; b < bags.Count(); ++b) {
    const std::uint32_t ng = Le(bags.Bytes, b * kBag, 2), nm = Le(bags.Bytes, b * kBag + 2, 2);
    if (ng < g || nm < m || ng > gens.Count() || nm > mods.Count()) return false;
    g = ng;
    m = nm;
  }
  return true;
}

bool HeadsSound(const TTable& heads, std::size_t bagAt, const TTable& bags) {
  std::uint32_t last = 0;
  for (std::size_t i = 0; i < heads.Count(); ++i) {
    const std::uint32_t b = Le(heads.Bytes, i * heads.Width + bagAt, 2);
    if (b < last || b + 1 > bags.Count()) return false;
    last = b;
  }
  return true;
}

std::string Subchunk(const char* id, const std::string& body) {
  std::string s(id, 4);
  PutLe(s, static_cast<std::uint32_t>(body.size()), 4);
  return s + body;
}

}  // namespace

std::vector<TSongPreset> SongPresets(const std::vector<unsigned char>& m) {
  if (m.size() < 14 || std::memcmp(m.data(), "MThd", 4) != 0) return {};
  const std::uint32_t headerLength = Be(m, 4, 4);
  if (headerLength < 6 || headerLength > m.size() - 8) return {};
  const int tracks = static_cast<int>(Be(m, 10, 2));
  std::vector<TMidiStep> steps;
  std::size_t pos = 8 + headerLength;
  for (int t = 0; t < tracks; ++t) {
    if (m.size() - pos < 8 || std::memcmp(m.data() + pos, "MTrk", 4) != 0) return {};
    const std::uint32_t length = Be(m, pos + 4, 4);
    if (length > m.size() - pos - 8) return {};
    if (!ReadTrack(m, pos + 8, pos + 8 + length, steps)) return {};
    pos += 8 + length;
  }
  // Tracks play side by side: in time order, a change of program before a
  // note of the same moment.
  std::stable_sort(steps.begin(), steps.end(), [](const TMidiStep& a, const TMidiStep& b) {
    return a.Tick != b.Tick ? a.Tick < b.Tick : a.Kind < b.Kind;
  });
  int bank[16] = {}, program[16] = {};
  std::set<TSongPreset> used;
  for (const TMidiStep& s : steps) {
    if (s.Kind == 0) bank[s.Channel] = s.Value;
    if (s.Kind == 1) program[s.Channel] = s.Value;
    if (s.Kind == 2) used.insert({s.Channel == 9 ? 128 : bank[s.Channel], program[s.Channel]});
  }
  return {used.begin(), used.end()};
}

std::shared_ptr<const TSoundFontView> TSoundFontView::Make(const std::string& path,
                                                           const std::vector<TSongPreset>& presets) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!f || presets.empty()) return nullptr;
  char head[12];
  if (!ReadAt(f.get(), 0, head, 12) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "sfbk", 4) != 0)
    return nullptr;
  std::uint32_t riffSize = 0;
  std::memcpy(&riffSize, head + 4, 4);
  if (fseeko(f.get(), 0, SEEK_END) != 0) return nullptr;
  const std::uint64_t fileSize = static_cast<std::uint64_t>(ftello(f.get()));
  std::vector<TChunk> lists;
  if (riffSize < 4 || riffSize > fileSize - 8 || !ListChunks(f.get(), 12, 8 + std::uint64_t{riffSize}, lists))
    return nullptr;
  const TChunk* info = nullptr;
  const TChunk* sdta = nullptr;
  const TChunk* pdta = nullptr;
  for (const TChunk& c : lists) {
    char type[4];
    if (c.Id != "LIST" || c.Size < 4 || !ReadAt(f.get(), c.At + 8, type, 4)) continue;
    const std::string t(type, 4);
    if (t == "INFO") info = &c;
    if (t == "sdta") sdta = &c;
    if (t == "pdta") pdta = &c;
  }
  if (!info || !sdta || !pdta) return nullptr;
  std::vector<TChunk> tables;
  if (!ListChunks(f.get(), pdta->At + 12, pdta->At + 8 + pdta->Size, tables)) return nullptr;
  std::map<std::string, TTable> t;
  const std::map<std::string, std::size_t> widths = {{"phdr", kPhdr}, {"pbag", kBag}, {"pmod", kMod},
                                                     {"pgen", kGen},  {"inst", kInst}, {"ibag", kBag},
                                                     {"imod", kMod},  {"igen", kGen},  {"shdr", kShdr}};
  for (const TChunk& c : tables) {
    const auto w = widths.find(c.Id);
    if (w == widths.end()) continue;
    TTable table{std::string(c.Size, '\0'), w->second};
    if (c.Size % w->second != 0 || c.Size < w->second || !ReadAt(f.get(), c.At + 8, table.Bytes.data(), c.Size))
      return nullptr;
    t[c.Id] = std::move(table);
  }
  if (t.size() != widths.size()) return nullptr;
  const TTable &phdr = t["phdr"], &pbag = t["pbag"], &pmod = t["pmod"], &pgen = t["pgen"];
  const TTable &inst = t["inst"], &ibag = t["ibag"], &imod = t["imod"], &igen = t["igen"];
  if (!HeadsSound(phdr, 24, pbag) || !BagsSound(pbag, pgen, pmod) || !HeadsSound(inst, 20, ibag) ||
      !BagsSound(ibag, igen, imod))
    return nullptr;

  // The presets asked for, in the file's order; their instruments in the
  // order they are first met.
  std::string newPhdr, newPbag, newPgen, newPmod, newInst, newIbag, newIgen, newImod;
  std::map<std::uint32_t, std::uint32_t> instruments;  // old index -> new
  std::vector<std::uint32_t> instrumentOrder;
  bool broken = false;
  auto remapInstrument = [&](std::string& r) {
    if (Le(r, 0, 2) != kGenInstrument) return;
    const std::uint32_t old = Le(r, 2, 2);
    if (old + 1 >= inst.Count()) {
      broken = true;
      return;
    }
    auto [it, added] = instruments.emplace(old, static_cast<std::uint32_t>(instrumentOrder.size()));
    if (added) instrumentOrder.push_back(old);
    SetLe(r, 2, it->second, 2);
  };
  int kept = 0;
  for (std::size_t i = 0; i + 1 < phdr.Count(); ++i) {
    const TSongPreset p{static_cast<int>(Le(phdr.Bytes, i * kPhdr + 22, 2)),
                        static_cast<int>(Le(phdr.Bytes, i * kPhdr + 20, 2))};
    if (std::find(presets.begin(), presets.end(), p) == presets.end()) continue;
    std::string r = phdr.Record(i);
    SetLe(r, 24, static_cast<std::uint32_t>(newPbag.size() / kBag), 2);
    newPhdr += r;
    CopyBags(pbag, pgen, pmod, Le(phdr.Bytes, i * kPhdr + 24, 2), Le(phdr.Bytes, (i + 1) * kPhdr + 24, 2), newPbag,
             newPgen, newPmod, remapInstrument);
    ++kept;
  }
  if (broken || kept == 0) return nullptr;
  for (std::uint32_t old : instrumentOrder) {
    std::string r = inst.Record(old);
    SetLe(r, 20, static_cast<std::uint32_t>(newIbag.size() / kBag), 2);
    newInst += r;
    CopyBags(ibag, igen, imod, Le(inst.Bytes, old * kInst + 20, 2), Le(inst.Bytes, (old + 1) * kInst + 20, 2), newIbag,
             newIgen, newImod, [](std::string&) {});
  }
  // Terminal records: the last header names the end of the bags, the last
  // bag the ends of the generators and modulators.
  std::string eop = phdr.Record(phdr.Count() - 1);
  SetLe(eop, 24, static_cast<std::uint32_t>(newPbag.size() / kBag), 2);
  newPhdr += eop;
  std::string eoi = inst.Record(inst.Count() - 1);
  SetLe(eoi, 20, static_cast<std::uint32_t>(newIbag.size() / kBag), 2);
  newInst += eoi;
  PutLe(newPbag, static_cast<std::uint32_t>(newPgen.size() / kGen), 2);
  PutLe(newPbag, static_cast<std::uint32_t>(newPmod.size() / kMod), 2);
  PutLe(newIbag, static_cast<std::uint32_t>(newIgen.size() / kGen), 2);
  PutLe(newIbag, static_cast<std::uint32_t>(newImod.size() / kMod), 2);
  newPgen += std::string(kGen, '\0');
  newPmod += std::string(kMod, '\0');
  newIgen += std::string(kGen, '\0');
  newImod += std::string(kMod, '\0');

  std::string body = "pdta";
  body += Subchunk("phdr", newPhdr) + Subchunk("pbag", newPbag) + Subchunk("pmod", newPmod) +
          Subchunk("pgen", newPgen) + Subchunk("inst", newInst) + Subchunk("ibag", newIbag) +
          Subchunk("imod", newImod) + Subchunk("igen", newIgen) + Subchunk("shdr", t["shdr"].Bytes);

  auto view = std::make_shared<TSoundFontView>();
  view->FilePath = path;
  view->Presets = kept;
  view->Instruments = static_cast<int>(instrumentOrder.size());
  const std::uint64_t infoLength = 8 + std::uint64_t{info->Size} + (info->Size & 1);
  const std::uint64_t sdtaLength = 8 + std::uint64_t{sdta->Size} + (sdta->Size & 1);
  const std::uint64_t total = 12 + infoLength + sdtaLength + 8 + body.size();
  if (total - 8 > 0xFFFFFFFFu) return nullptr;
  std::string riff = "RIFF";
  PutLe(riff, static_cast<std::uint32_t>(total - 8), 4);
  riff += "sfbk";
  std::string pdtaHead = "LIST";
  PutLe(pdtaHead, static_cast<std::uint32_t>(body.size()), 4);
  std::uint64_t at = 0;
  auto add = [&](TPiece p) {
    p.At = at;
    if (p.FileOffset < 0) p.Length = p.Bytes.size();
    at += p.Length;
    view->Pieces.push_back(std::move(p));
  };
  add({0, 0, -1, riff});
  add({0, infoLength, static_cast<std::int64_t>(info->At), {}});
  add({0, sdtaLength, static_cast<std::int64_t>(sdta->At), {}});
  add({0, 0, -1, pdtaHead + body});
  view->Total = at;
  if (info->At + infoLength > fileSize || sdta->At + sdtaLength > fileSize) return nullptr;
  return view;
}

bool TSoundFontView::Read(std::FILE* file, std::uint64_t offset, void* buffer, std::uint64_t count) const {
  if (offset > Total || count > Total - offset) return false;
  auto* out = static_cast<char*>(buffer);
  for (const TPiece& p : Pieces) {
    if (count == 0) break;
    if (offset >= p.At + p.Length) continue;
    const std::uint64_t from = offset - p.At;
    const std::uint64_t n = std::min(count, p.Length - from);
    if (p.FileOffset < 0) {
      std::memcpy(out, p.Bytes.data() + from, n);
    } else if (!ReadAt(file, static_cast<std::uint64_t>(p.FileOffset) + from, out, n)) {
      return false;
    }
    out += n;
    offset += n;
    count -= n;
  }
  return count == 0;
}

}  // namespace zembra

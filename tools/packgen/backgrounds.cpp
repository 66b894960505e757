// Table backgrounds for "OrvBackG03.dll": the ten patterns of the options
// (sun, felt, gradient, cloth, carpet, tree, casino, pattern, silk,
// ornament) in seven colours,
// "Fon01Gr" ... "Fon10Fi" at 760 x 500 and the "B" pictures at 1520 x 1000.
//
// Each material is painted once as a brightness map at the large size; a
// colour is a gradient map from that brightness (deep shade, the colour
// itself, a pale sheen), so the grain, weave or veins stay readable in every
// colour. The small pictures are the large map averaged over 2 x 2 pixels.
// Everything comes from fixed seeds, so the pictures are the same each build.
//
// Pattern 2 is the green baize the program carries itself ("FonG"); the pack
// holds the same cloth in the other six colours.
#include "packgen.h"

#include "resources/pack_names.h"
#include "paint_kit.h"
#include "suits.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <thread>
#include <vector>

namespace packgen {

namespace {

constexpr int kWidth = 1520, kHeight = 1000;  // the "B" size; the small one is half
constexpr float kPi = std::numbers::pi_v<float>;

// A brightness map: 0 black, 0.5 the colour itself, 1 a pale sheen.
struct TMap {
  int W = kWidth, H = kHeight;
  std::vector<float> V = std::vector<float>(static_cast<size_t>(kWidth) * kHeight, 0.5f);
  float& At(int x, int y) { return V[static_cast<size_t>(y) * W + x]; }
  float At(int x, int y) const { return V[static_cast<size_t>(y) * W + x]; }
  float Clamped(int x, int y) const { return At(std::clamp(x, 0, W - 1), std::clamp(y, 0, H - 1)); }
};

// Runs rows(y0, y1) over the rows of the large picture on two threads.
void ForRows(const std::function<void(int, int)>& rows) {
  const int half = kHeight / 2;
  std::thread other(rows, half, kHeight);
  rows(0, half);
  other.join();
}

// ---- Repeatable noise --------------------------------------------------------

// A repeatable 32-bit number per integer point.
std::uint32_t Hash(int x, int y, std::uint32_t seed) {
  return static_cast<std::uint32_t>(art::hashNoise(x, y, seed) * 4294967296.0);
}

// White noise in [0,1) per integer point.
float Rand(int x, int y, std::uint32_t seed) { return static_cast<float>(art::hashNoise(x, y, seed)); }

float Smooth(float t) { return t * t * (3 - 2 * t); }

float SmoothStep(float a, float b, float x) { return Smooth(std::clamp((x - a) / (b - a), 0.0f, 1.0f)); }

// Smooth value noise and its octaves in [0,1): the picture generator's, so
// the felt matches the program's own.
float Noise(float x, float y, std::uint32_t seed) { return static_cast<float>(art::valueNoise(x, y, seed)); }
float Fbm(float x, float y, int octaves, std::uint32_t seed) { return static_cast<float>(art::fbm(x, y, octaves, seed)); }

// Light falling from the top left on a height map: positive where the
// surface faces the light. strength scales the heights.
TMap Shading(const TMap& height, float strength) {
  TMap out;
  const float lx = -0.62f, ly = -0.78f;
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float gx = (height.Clamped(x + 1, y) - height.Clamped(x - 1, y)) * 0.5f * strength;
        const float gy = (height.Clamped(x, y + 1) - height.Clamped(x, y - 1)) * 0.5f * strength;
        // Normal (-gx, -gy, 1) against a light 45 degrees up.
        const float n = 1 / std::sqrt(gx * gx + gy * gy + 1);
        out.At(x, y) = ((-gx * lx - gy * ly) * 0.7071f + 0.7071f) * n - 0.7071f;
      }
  });
  return out;
}

// ---- The ten materials -------------------------------------------------------

// 4. Cloth (linen): a fine plain weave with uneven, slubbed threads.
void Linen(TMap& m) {
  constexpr float P = 8;  // thread spacing
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float xx = x + 3.0f * (Noise(x / 90.0f, y / 90.0f, 101) - 0.5f);
        const float yy = y + 3.0f * (Noise(x / 90.0f, y / 90.0f, 102) - 0.5f);
        const int i = static_cast<int>(std::floor(xx / P)), j = static_cast<int>(std::floor(yy / P));
        const float fx = xx / P - i, fy = yy / P - j;
        // Thickness of each thread wanders along it (slubs).
        const float warpSlub = Noise(yy / 37.0f, static_cast<float>(i), 103);
        const float weftSlub = Noise(xx / 37.0f, static_cast<float>(j), 104);
        const float tw = 0.62f + 0.42f * warpSlub, th = 0.62f + 0.42f * weftSlub;
        const float dw = std::abs(fx - 0.5f) * 2 / tw, dh = std::abs(fy - 0.5f) * 2 / th;
        const float hw = dw < 1 ? std::sqrt(1 - dw * dw) : 0, hh = dh < 1 ? std::sqrt(1 - dh * dh) : 0;
        // Plain weave: the thread on top bulges over the crossing.
        const bool warpTop = ((i + j) & 1) == 0;
        const float bulgeW = 0.8f + 0.2f * std::sin(kPi * fy), bulgeH = 0.8f + 0.2f * std::sin(kPi * fx);
        float v;
        if (warpTop)
          v = hw > 0 ? 0.5f + 0.4f * hw * bulgeW + 0.3f * warpSlub : 0.3f + 0.5f * hh * bulgeH + 0.3f * weftSlub;
        else
          v = hh > 0 ? 0.5f + 0.4f * hh * bulgeH + 0.3f * weftSlub : 0.3f + 0.5f * hw * bulgeW + 0.3f * warpSlub;
        // Each thread has its own shade, and fibres streak along it.
        const float tone = warpTop == (hw > 0) ? (Rand(i, 0, 105) - 0.5f) * 0.10f : (Rand(0, j, 106) - 0.5f) * 0.10f;
        const float fibre = warpTop == (hw > 0) ? Noise(xx / 1.5f, yy / 9.0f, 108) : Noise(xx / 9.0f, yy / 1.5f, 109);
        const float mottle = (Fbm(x / 160.0f, y / 160.0f, 3, 107) - 0.5f) * 0.07f;
        m.At(x, y) = 0.39f + 0.15f * v + tone + 0.04f * (fibre - 0.5f) + mottle;
      }
  });
}

// 2. Felt (baize): the program's own green cloth, mottled, with fibres and a fine
// twill.
void Baize(TMap& m) {
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float u = x / 2.0f, v = y / 2.0f;
        const float mottle = (Fbm(u / 70, v / 70, 3, 11) - 0.5f) * 0.10f;
        const float fibre = (Noise(u / 2.5f, v / 11.0f, 23) - 0.5f) * 0.06f + (Noise(u / 11.0f, v / 2.2f, 29) - 0.5f) * 0.05f;
        const float twill = ((x + y) % 4 == 0 ? -0.018f : 0.0f) + ((x - y + 4096) % 4 == 0 ? 0.010f : 0.0f);
        m.At(x, y) = 0.5f * (1 + mottle + fibre + twill);
      }
  });
}

// One board of wood as it was sawn from the log: the rings are cut as long
// arches around the pith line, wavering, with the dark latewood at the outer
// edge of each ring and fine pores drawn out along the fibres.
struct TBoard {
  float Centre;     // across the board, where the arches' tops run
  float Depth;      // how far from the pith the cut went at along 0
  float Taper;      // the log narrows: depth gained per pixel along
  float RingWidth;
  std::uint32_t Seed;
};

TBoard BoardOf(std::uint32_t id, float width) {
  TBoard b;
  b.Centre = (Rand(static_cast<int>(id), 1, 31) * 1.6f - 0.3f) * width;
  b.Depth = 15.0f + Rand(static_cast<int>(id), 2, 31) * 90.0f;
  b.Taper = (Rand(static_cast<int>(id), 3, 31) - 0.35f) * 0.10f;
  b.RingWidth = 7.0f + Rand(static_cast<int>(id), 4, 31) * 7.0f;
  b.Seed = id % 9973;
  return b;
}

// 0 light earlywood, up to about 1 in the latewood and pores.
float Grain(const TBoard& b, float along, float across) {
  const float waver = (Fbm(along / 320.0f, across / 60.0f, 3, b.Seed) - 0.5f) * 14.0f +
                      (Noise(along / 60.0f, across / 10.0f, b.Seed + 7) - 0.5f) * 2.0f;
  const float dx = across - b.Centre + waver;
  const float depth = std::max(2.0f, b.Depth + along * b.Taper);
  const float r = std::sqrt(dx * dx + depth * depth);
  const float ring = r / b.RingWidth + (Noise(r / 40.0f, 0.5f, b.Seed + 11) - 0.5f) * 1.2f;
  const float phase = ring - std::floor(ring);
  const float late = SmoothStep(0.40f, 0.90f, phase) * (1 - SmoothStep(0.92f, 1.0f, phase));
  const float pores = Noise(along / 26.0f, across / 1.3f, b.Seed + 13);
  return 0.8f * late + 0.35f * pores * pores;
}

// 6. Tree (oak boards): long planks with their joints, each with its own grain and
// shade.
void Oak(TMap& m) {
  constexpr int kPlank = 125, kLength = 820;
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
      const int row = y / kPlank;
      const float v = static_cast<float>(y - row * kPlank);
      const int shift = static_cast<int>(Rand(row, 1, 301) * kLength);
      for (int x = 0; x < kWidth; ++x) {
        const int k = (x + shift) / kLength;
        const float u = static_cast<float>(x + shift - k * kLength);
        const std::uint32_t id = Hash(row, k, 302);
        const TBoard board = BoardOf(id, kPlank);
        const float tone = (Rand(static_cast<int>(id), 5, 31) - 0.5f) * 0.09f;
        const float g = Grain(board, (id & 1) ? kLength - u : u, v);
        // Oak's silver flecks: short pale rays across the grain.
        const float fleck = SmoothStep(0.80f, 0.95f, Noise(u / 9.0f, v / 2.6f, board.Seed + 5)) * 0.03f;
        float value = 0.55f + tone - 0.12f * g + fleck + (Fbm(x / 220.0f, y / 220.0f, 2, 303) - 0.5f) * 0.05f;
        // Joints: a dark hairline with the rounded edges of both boards beside it.
        const float edge = std::min({v + 0.5f, kPlank - v - 0.5f, u + 0.5f, kLength - u - 0.5f});
        value *= 0.70f + 0.30f * SmoothStep(0.3f, 1.8f, edge);
        value *= 0.95f + 0.05f * SmoothStep(1.8f, 5.0f, edge);
        m.At(x, y) = value;
      }
    }
  });
}

// 9. Silk (satin): silk lying in soft folds, each crest catching a narrow sheen,
// with the fine lustre of the weave running across.
void Satin(TMap& m) {
  TMap height;
  struct TFold {
    float angle, wave, amp, phase;
  };
  const TFold folds[] = {{0.62f, 430, 1.0f, 0.3f}, {0.80f, 260, 0.45f, 1.9f}, {0.45f, 170, 0.22f, 4.1f}, {2.2f, 610, 0.35f, 2.7f}};
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float bend = (Fbm(x / 460.0f, y / 460.0f, 3, 401) - 0.5f) * 6.0f;
        float h = 0;
        for (const TFold& f : folds) {
          const float d = x * std::cos(f.angle) + y * std::sin(f.angle);
          // Cloth hangs in rounded crests between narrower creases.
          const float s = 0.5f + 0.5f * std::sin(2 * kPi * d / f.wave + f.phase + bend * f.amp);
          h += f.amp * s;
        }
        height.At(x, y) = h * 40.0f;
      }
  });
  const TMap shade = Shading(height, 1.0f);
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float s = shade.At(x, y);
        const float sheen = std::pow(std::clamp(s * 2.6f + 0.1f, 0.0f, 1.0f), 3.0f);
        const float streak = (Noise(x / 260.0f, y / 1.4f, 402) - 0.5f) * 0.012f;
        m.At(x, y) = 0.44f + 0.20f * s + 0.14f * sheen + streak;
      }
  });
}

// The damask ornament for one repeat: a pointed-arch lattice around a
// flower motif, mirrored about its upright axis. 255 in the ornament.
QImage DamaskTile(int w, int h) {
  QImage tile(w, h, QImage::Format_Grayscale8);
  tile.fill(0);
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);

  // Lattice: S-curves from the top and bottom middle out to the sides.
  QPainterPath lattice;
  const float W = static_cast<float>(w), H = static_cast<float>(h);
  for (int side = 0; side < 2; ++side) {
    const float x0 = side == 0 ? 0 : W;
    for (int half = 0; half < 2; ++half) {
      const float ya = half == 0 ? 0 : H, yb = H / 2;
      lattice.moveTo(W / 2, ya);
      lattice.cubicTo(W / 2, ya + (yb - ya) * 0.55f, x0, ya + (yb - ya) * 0.45f, x0, yb);
    }
  }
  QPen ribbon(Qt::white, 4.0);
  p.strokePath(lattice, ribbon);
  for (QPointF c : {QPointF(W / 2, 0), QPointF(W / 2, H), QPointF(0, H / 2), QPointF(W, H / 2)})
    p.drawEllipse(c, 7.0, 7.0);

  // A palmette: a flame-shaped bud in a cup, leaves curling out and up, a
  // stem with a pair of small leaves. Drawn at the middle and at the four
  // corners (they meet into whole ones in the repeat).
  auto flower = [&](QPointF at, float s) {
    p.save();
    p.translate(at);
    p.scale(s, s);
    for (int mirror = 0; mirror < 2; ++mirror) {
      p.save();
      if (mirror) p.scale(-1, 1);
      QPainterPath half;
      // The large leaf, its tip curling up and over.
      half.moveTo(3, 8);
      half.cubicTo(34, 12, 70, 0, 66, -40);
      half.cubicTo(64, -52, 50, -54, 48, -44);
      half.cubicTo(56, -44, 58, -34, 54, -28);
      half.cubicTo(44, -12, 22, -6, 3, -4);
      half.closeSubpath();
      // A slender leaf beside the bud.
      half.moveTo(6, -34);
      half.cubicTo(18, -46, 30, -62, 32, -88);
      half.cubicTo(20, -74, 10, -64, 5, -50);
      half.closeSubpath();
      // Small leaves on the stem.
      half.moveTo(2, 46);
      half.cubicTo(16, 40, 34, 46, 42, 62);
      half.cubicTo(28, 64, 14, 60, 2, 56);
      half.closeSubpath();
      half.addEllipse(QPointF(44, -72), 4.5, 4.5);
      half.addEllipse(QPointF(24, 26), 3.5, 3.5);
      p.drawPath(half);
      p.restore();
    }
    QPainterPath bud;
    bud.moveTo(0, -124);
    bud.cubicTo(20, -96, 20, -58, 0, -36);
    bud.cubicTo(-20, -58, -20, -96, 0, -124);
    // The cup holding the bud.
    bud.moveTo(-24, -40);
    bud.quadTo(0, -26, 24, -40);
    bud.quadTo(18, -10, 0, -6);
    bud.quadTo(-18, -10, -24, -40);
    bud.addRect(QRectF(-3, -8, 6, 92));
    QPolygonF tip;
    tip << QPointF(0, 80) << QPointF(9, 92) << QPointF(0, 104) << QPointF(-9, 92);
    bud.addPolygon(tip);
    p.drawPath(bud);
    // The bud's middle vein, left unfilled.
    p.setBrush(Qt::black);
    QPainterPath vein;
    vein.moveTo(0, -104);
    vein.cubicTo(6, -88, 6, -64, 0, -50);
    vein.cubicTo(-6, -64, -6, -88, 0, -104);
    p.drawPath(vein);
    p.setBrush(Qt::white);
    p.restore();
  };
  for (QPointF c : {QPointF(W / 2, H / 2), QPointF(0, 0), QPointF(W, 0), QPointF(0, H), QPointF(W, H)}) flower(c, 1.05f);
  p.end();
  return tile;
}

// 10. Ornament (damask): a glossy satin ornament woven into a matte twill ground, the
// cloth hanging a little unevenly.
void Damask(TMap& m) {
  const int tw = 232, th = 320;
  const QImage tile = DamaskTile(tw, th);
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const int ox = x + 56, oy = y + 20;  // a whole flower near the middle
        const float o = tile.constScanLine(oy % th)[ox % tw] / 255.0f;
        const float drape = Fbm(x / 380.0f, y / 380.0f, 3, 701) - 0.5f;
        const float twill = ((x + 2 * y) % 6 < 2) ? -0.018f : 0.008f;
        const float satin = (Noise(x / 140.0f, y / 1.5f, 702) - 0.5f) * 0.03f;
        // The satin ornament shines where the drape turns it to the light.
        const float gloss = 0.085f + 0.07f * drape;
        m.At(x, y) = 0.44f + 0.10f * drape + o * (gloss + satin) + (1 - o) * twill;
      }
  });
}

// 8. Pattern (herringbone parquet): short oak blocks laid at right angles to each
// other, turned 45 degrees.
void Parquet(TMap& m) {
  constexpr int w = 36, L = 180;  // one block
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        // Turned coordinates; the blocks are laid along these axes.
        const float px = (x + y) * 0.70710678f + 3000, py = (y - x) * 0.70710678f + 3000;
        // The laying repeats by (w, w) and (L, -L): a flat block at the origin
        // and an upright one at its right end.
        const int a0 = static_cast<int>(std::floor((px + py) / (2 * w)));
        const int b0 = static_cast<int>(std::floor((px - py) / (2 * L)));
        float along = 0, across = 0, edge = 0;
        std::uint32_t id = 0;
        bool found = false;
        for (int a = a0 - 4; a <= a0 && !found; ++a)
          for (int b = b0 - 1; b <= b0 + 1 && !found; ++b) {
            const float rx = px - static_cast<float>(a * w + b * L), ry = py - static_cast<float>(a * w - b * L);
            if (rx >= 0 && rx < L && ry >= 0 && ry < w) {
              along = rx;
              across = ry;
              found = true;
              id = Hash(a, b, 801);
            } else if (rx >= L && rx < L + w && ry >= w - L && ry < w) {
              along = ry - (w - L);
              across = rx - L;
              found = true;
              id = Hash(a, b, 802);
            }
          }
        edge = std::min({along + 0.5f, L - along - 0.5f, across + 0.5f, w - across - 0.5f});
        const float tone = (Rand(static_cast<int>(id), 5, 31) - 0.5f) * 0.12f;
        const TBoard board = BoardOf(id, w);
        const float g = Grain(board, ((id >> 16) & 1) ? L - along : along, across);
        float value = 0.53f + tone - 0.10f * g + (Fbm(x / 260.0f, y / 260.0f, 2, 803) - 0.5f) * 0.05f;
        value *= 0.62f + 0.38f * SmoothStep(0.2f, 1.6f, edge);
        m.At(x, y) = value;
      }
  });
}

// 5. Carpet (hessian): a coarse, loose weave of hairy, twisted jute yarns with the
// dark showing between them.
void Hessian(TMap& m) {
  constexpr float P = 13;
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float xx = x + 4.0f * (Noise(x / 55.0f, y / 55.0f, 901) - 0.5f);
        const float yy = y + 4.0f * (Noise(x / 55.0f, y / 55.0f, 902) - 0.5f);
        const int i = static_cast<int>(std::floor(xx / P)), j = static_cast<int>(std::floor(yy / P));
        const float fx = xx / P - i, fy = yy / P - j;
        const float warpSlub = Noise(yy / 45.0f, static_cast<float>(i), 903);
        const float weftSlub = Noise(xx / 45.0f, static_cast<float>(j), 904);
        const float tw = 0.55f + 0.35f * warpSlub, th = 0.55f + 0.35f * weftSlub;
        const float dw = std::abs(fx - 0.5f) * 2 / tw, dh = std::abs(fy - 0.5f) * 2 / th;
        const float hw = dw < 1 ? std::sqrt(1 - dw * dw) : 0, hh = dh < 1 ? std::sqrt(1 - dh * dh) : 0;
        // Yarns are twisted: fine slanting ridges along each one.
        const float twistW = 0.5f + 0.5f * std::sin((yy * 0.9f + xx * 1.6f) * 0.9f);
        const float twistH = 0.5f + 0.5f * std::sin((xx * 0.9f + yy * 1.6f) * 0.9f);
        const float hairs = Noise(x / 2.0f, y / 9.0f, 905) * 0.5f + Noise(x / 9.0f, y / 2.0f, 906) * 0.5f;
        const bool warpTop = ((i + j) & 1) == 0;
        const float bulgeW = 0.6f + 0.4f * std::sin(kPi * fy), bulgeH = 0.6f + 0.4f * std::sin(kPi * fx);
        float v;
        const float yarnW = hw * bulgeW * (0.75f + 0.25f * twistW) + 0.2f * warpSlub;
        const float yarnH = hh * bulgeH * (0.75f + 0.25f * twistH) + 0.2f * weftSlub;
        if (warpTop)
          v = hw > 0 ? 0.45f + 0.45f * yarnW : hh > 0 ? 0.35f + 0.4f * yarnH : 0.05f;
        else
          v = hh > 0 ? 0.45f + 0.45f * yarnH : hw > 0 ? 0.35f + 0.4f * yarnW : 0.05f;
        const float mottle = (Fbm(x / 200.0f, y / 200.0f, 3, 907) - 0.5f) * 0.10f;
        m.At(x, y) = 0.33f + 0.26f * v + 0.05f * (hairs - 0.5f) + mottle;
      }
  });
}

// 1. Sun: rays from the middle of the table, soft-edged, fading outwards,
// over a faint cloth grain.
void Sun(TMap& m) {
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float dx = (x + 0.5f - kWidth / 2.0f) / kHeight, dy = (y + 0.5f - kHeight / 2.0f) / kHeight;
        const float r = std::sqrt(dx * dx + dy * dy);
        const float a = std::atan2(dy, dx);
        const float wobble = (Fbm(a * 3.0f + 10, r * 2.0f, 2, 1101) - 0.5f) * 0.5f;
        const float ray = std::cos(a * 20 + wobble);  // twenty rays
        const float rays = SmoothStep(-0.15f, 0.35f, ray) * (0.07f * std::exp(-r * 0.9f) + 0.025f);
        const float glow = 0.09f * std::exp(-r * r * 4.0f);
        const float grain = (Noise(x / 1.8f, y / 1.8f, 1102) - 0.5f) * 0.025f;
        m.At(x, y) = 0.44f + rays + glow + grain;
      }
  });
}

// 3. Gradient: a smooth swell of light from the upper middle, with a fine
// grain that keeps the steps of the JPEG out of sight.
void Gradient(TMap& m) {
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const float dx = (x + 0.5f) / kWidth - 0.5f, dy = (y + 0.5f) / kHeight - 0.38f;
        const float d = std::sqrt(dx * dx * 1.3f + dy * dy);
        const float swell = 0.62f - 0.30f * Smooth(std::clamp(d / 0.75f, 0.0f, 1.0f));
        const float grain = (Rand(x, y, 1201) - 0.5f) * 0.018f + (Noise(x / 3.0f, y / 3.0f, 1202) - 0.5f) * 0.012f;
        m.At(x, y) = swell + grain;
      }
  });
}

// 7. Casino: the felt of a gaming table with the four suits printed faintly
// in a diagonal lattice.
void Casino(TMap& m) {
  Baize(m);
  QImage print(kWidth, kHeight, QImage::Format_Grayscale8);
  print.fill(0);
  {
    QPainter p(&print);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    const float step = 120;
    int row = 0;
    for (float y = -step / 2; y < kHeight + step; y += step * 0.5f, ++row)
      for (float x = (row % 2) * step / 2 - step; x < kWidth + step; x += step) {
        p.save();
        p.translate(x, y);
        p.rotate(-12);
        const auto suit = static_cast<art::Suit>((row + static_cast<int>(x / step) + 8) % 4);
        p.drawPath(art::suitPath(suit, QRectF(-17, -17, 34, 34)));
        p.restore();
      }
  }
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
      const uchar* line = print.constScanLine(y);
      for (int x = 0; x < kWidth; ++x) m.At(x, y) -= 0.055f * line[x] / 255.0f;
    }
  });
}

// ---- Colours -----------------------------------------------------------------

// A soft pool of light in the middle and darker corners, as over a card table.
void Light(TMap& m) {
  ForRows([&](int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
      const float dy = (y + 0.5f) / kHeight * 2 - 1;
      for (int x = 0; x < kWidth; ++x) {
        const float dx = (x + 0.5f) / kWidth * 2 - 1;
        const float d = std::sqrt(dx * dx * 0.85f + dy * dy);
        const float t = std::clamp((d - 0.25f) / 1.15f, 0.0f, 1.0f);
        m.At(x, y) *= 1.07f - 0.45f * Smooth(t);
      }
    }
  });
}

constexpr int kSteps = 1024;
using TRamp = std::array<QRgb, kSteps>;

struct TRgb {
  float R, G, B;
};

// Brightness 0 black, 0.5 mid, 1 a pale sheen of mid.
TRgb RampAt(const TRgb& mid, float t) {
  if (t <= 0.5f) {
    const float k = std::pow(t * 2, 1.1f);
    return {mid.R * k, mid.G * k, mid.B * k};
  }
  const float s = (t - 0.5f) * 2;
  auto hi = [](float c) { return std::min(255.0f, c * 1.75f * 0.78f + 255 * 0.22f); };
  return {mid.R + (hi(mid.R) - mid.R) * s, mid.G + (hi(mid.G) - mid.G) * s, mid.B + (hi(mid.B) - mid.B) * s};
}

// The ramp of a colour, with a share of the material's own colour mixed in
// (wood keeps a little of its brown, slate of its grey).
TRamp Ramp(const TRgb& mid, const TRgb& natural, float share) {
  TRamp ramp;
  for (int i = 0; i < kSteps; ++i) {
    const float t = static_cast<float>(i) / (kSteps - 1);
    const TRgb a = RampAt(mid, t), b = RampAt(natural, t);
    auto mixed = [&](float p, float q) { return std::clamp(static_cast<int>(p + (q - p) * share + 0.5f), 0, 255); };
    ramp[static_cast<size_t>(i)] = qRgb(mixed(a.R, b.R), mixed(a.G, b.G), mixed(a.B, b.B));
  }
  return ramp;
}

QImage Tinted(const std::vector<float>& v, int w, int h, const TRamp& ramp) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const float* src = v.data() + static_cast<size_t>(y) * w;
    for (int x = 0; x < w; ++x)
      line[x] = ramp[static_cast<size_t>(std::clamp(static_cast<int>(src[x] * (kSteps - 1) + 0.5f), 0, kSteps - 1))];
  }
  return img;
}

// "Gr", "Re", "Or", "Ye", "B1", "B2", "Fi": deep enough for white cards to
// stand out.
constexpr TRgb kColours[7] = {
    {16, 112, 38},   // green
    {142, 22, 28},   // red
    {182, 80, 14},   // orange
    {196, 156, 22},  // yellow
    {22, 48, 132},   // deep blue
    {10, 102, 124},  // turquoise blue
    {88, 32, 120},   // violet
};

struct TMaterial {
  void (*Paint)(TMap&);
  TRgb Natural;
  float Share;
};

constexpr TMaterial kMaterials[10] = {
    {Sun, {0, 0, 0}, 0.0f},     {Baize, {0, 0, 0}, 0.0f},          {Gradient, {0, 0, 0}, 0.0f},
    {Linen, {150, 140, 120}, 0.06f}, {Hessian, {150, 118, 72}, 0.16f}, {Oak, {130, 86, 46}, 0.18f},
    {Casino, {0, 0, 0}, 0.0f},  {Parquet, {130, 86, 46}, 0.18f}, {Satin, {0, 0, 0}, 0.0f},
    {Damask, {0, 0, 0}, 0.0f},
};

constexpr int kSmallQuality = 85, kLargeQuality = 80;

}  // namespace

void AddBackgrounds(TPackWriter& pack) {
  for (int pattern = 1; pattern <= 10; ++pattern) {
    const TMaterial& material = kMaterials[pattern - 1];
    TMap large;
    material.Paint(large);
    Light(large);
    std::vector<float> small(static_cast<size_t>(kWidth / 2) * (kHeight / 2));
    for (int y = 0; y < kHeight / 2; ++y)
      for (int x = 0; x < kWidth / 2; ++x)
        small[static_cast<size_t>(y) * (kWidth / 2) + x] = 0.25f * (large.At(2 * x, 2 * y) + large.At(2 * x + 1, 2 * y) +
                                                                    large.At(2 * x, 2 * y + 1) + large.At(2 * x + 1, 2 * y + 1));
    for (int colour = 0; colour < 7; ++colour) {
      if (pattern == 2 && colour == 0) continue;  // the built-in "FonG"
      const TRamp ramp = Ramp(kColours[colour], material.Natural, material.Share);
      pack.AddJpeg(QString::fromStdString(zembra::BackgroundItemName(pattern, colour, 1)),
                   Tinted(small, kWidth / 2, kHeight / 2, ramp), kSmallQuality);
      pack.AddJpeg(QString::fromStdString(zembra::BackgroundItemName(pattern, colour, 2)),
                   Tinted(large.V, kWidth, kHeight, ramp), kLargeQuality);
    }
  }
}

}  // namespace packgen

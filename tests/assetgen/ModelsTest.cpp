// The models the game names: each one written where the loaders look for it,
// whole, with the objects its users show, the textures it names, and faces
// that look outward. Blocks and goodies take their colours from the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "GeneratedModels.h"
#include "assetgen/SkinAtlas.h"
#include "gfx/AsvmFile.h"
#include "gfx/TgaDecode.h"

namespace {

struct Named {
  const char* name;
  int cell;
};

const Named kBlocks[] = {{"yellow.Asvm", SkinAtlas::kYellow},
                         {"green.Asvm", SkinAtlas::kGreen},
                         {"red.Asvm", SkinAtlas::kRed},
                         {"blue.Asvm", SkinAtlas::kBlue},
                         {"Marker.Asvm", SkinAtlas::kMarker}};
const Named kGoodies[] = {
    {"bombabonus.asvm", SkinAtlas::kBomb},        {"redbonus.asvm", SkinAtlas::kRedBomb},
    {"yellowbonus.asvm", SkinAtlas::kYellowBomb}, {"bluebonus.asvm", SkinAtlas::kBlueBomb},
    {"greenbonus.asvm", SkinAtlas::kGreenBomb},   {"groupbonus.asvm", SkinAtlas::kGroupBomb},
    {"hlbonus.asvm", SkinAtlas::kHorizontalBomb}, {"vlbonus.asvm", SkinAtlas::kVerticalBomb},
    {"crossbonus.asvm", SkinAtlas::kCrossBomb}};
// Two faces each: normal and highlighted, or box and mark.
const char* const kTwoObjectControls[] = {
    "min.asvm",        "max.asvm",     "quit.asvm",     "menu.asvm",      "rotate_cw.asvm",
    "rotate_acw.asvm", "newgame.asvm", "continue.asvm", "options.asvm",   "top10.asvm",
    "help.asvm",       "exit.asvm",    "remover.asvm",  "breakdown.asvm", "rightarrow.asvm",
    "leftarrow.asvm",  "clear.asvm",   "ok.asvm",       "cancel.asvm",    "skin.asvm",
    "CheckBox.Asvm",   "PARadio.asvm"};
const char* const kOneObjectControls[] = {"Slider.Asvm", "BSliderStem.Asvm"};

AsvmFile Parsed(const std::string& member) {
  const auto found = GeneratedModels().find(member);
  if (found == GeneratedModels().end()) {
    ADD_FAILURE() << member << " was not written";
    return {};
  }
  const AsvmFile::ParseResult parsed = AsvmFile::Parse(found->second);
  EXPECT_TRUE(parsed.magicMatched) << member;
  if (!parsed.file) {
    ADD_FAILURE() << member << " does not parse";
    return {};
  }
  return *parsed.file;
}

using Vec3 = std::array<float, 3>;

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Twice the area-weighted normal of every face, summed per axis, and six
// times the volume the faces enclose: positive when a closed solid's faces
// are wound to look outward, as the game's normals and culling need.
struct Facing {
  Vec3 normalSum{0, 0, 0};
  double area = 0;
  double volume = 0;

  // A closed surface's normals cancel out.
  bool Closed() const { return std::hypot(normalSum[0], normalSum[1], normalSum[2]) < 1e-4 * area; }
};

Facing FacingOf(const AsvmFile& model, std::size_t object) {
  Facing facing;
  for (const AsvmFile::Face& face : model.objects[object].faces) {
    const Vec3& a = model.positions[face[0].vertex - 1];
    const Vec3& b = model.positions[face[1].vertex - 1];
    const Vec3& c = model.positions[face[2].vertex - 1];
    const Vec3 n = Cross({b[0] - a[0], b[1] - a[1], b[2] - a[2]}, {c[0] - a[0], c[1] - a[1], c[2] - a[2]});
    for (int axis = 0; axis < 3; ++axis) {
      facing.normalSum[axis] += n[axis];
    }
    facing.area += std::hypot(n[0], n[1], n[2]);
    const Vec3 bc = Cross(b, c);
    facing.volume += a[0] * bc[0] + a[1] * bc[1] + a[2] * bc[2];
  }
  return facing;
}

TEST(Models, BlocksComeInBothDetailsShapedForTheRing) {
  for (const Named& block : kBlocks) {
    for (const std::string folder : {"Data/Models/Hi/", "Data/Models/Low/"}) {
      SCOPED_TRACE(folder + block.name);
      const AsvmFile model = Parsed(folder + block.name);
      ASSERT_EQ(model.objects.size(), 1u);
      EXPECT_TRUE(model.texture1.empty()) << "a block must draw with the skin that is bound";
      EXPECT_TRUE(model.texture2.empty());
      if (folder.ends_with("Low/")) {
        EXPECT_LE(model.FaceCount(), 48u) << "low detail is drawn 200 times a frame";
      } else {
        EXPECT_GT(model.FaceCount(), 100u) << "high detail is bevelled";
      }
      Vec3 low{1e9f, 1e9f, 1e9f};
      Vec3 high{-1e9f, -1e9f, -1e9f};
      for (const Vec3& p : model.positions) {
        for (int axis = 0; axis < 3; ++axis) {
          low[axis] = std::min(low[axis], p[axis]);
          high[axis] = std::max(high[axis], p[axis]);
        }
      }
      // Height along x under the rings' spacing of 6.8, width along y about a
      // twentieth of the ring of radius 24, and the face near square.
      EXPECT_GT(high[0] - low[0], 6.0f);
      EXPECT_LT(high[0] - low[0], 6.8f);
      EXPECT_GT(high[1] - low[1], 6.6f);
      EXPECT_LT(high[1] - low[1], 2.0f * std::numbers::pi_v<float> * 26.0f / 20.0f);
      EXPECT_LT(std::fabs((high[0] - low[0]) / (high[1] - low[1]) - 1.0f), 0.2f);
      for (int axis = 0; axis < 3; ++axis) {
        EXPECT_LT(std::fabs(high[axis] + low[axis]) / 2.0f, 0.25f) << "centred on the origin, axis " << axis;
      }
      // Bent round the ring: the outer face's edges lie further back than its middle.
      float edgeFront = 1e9f;
      for (const Vec3& p : model.positions) {
        if (std::fabs(p[1]) > 0.9f * high[1]) {
          edgeFront = std::min(edgeFront, p[2]);
        }
      }
      EXPECT_GT(edgeFront, low[2] + 0.2f);
      const Facing facing = FacingOf(model, 0);
      EXPECT_TRUE(facing.Closed());
      EXPECT_GT(facing.volume, 0.0) << "faces wound outward";
    }
  }
}

TEST(Models, BlocksAndGoodiesSampleOnlyTheirSkinCell) {
  auto check = [](const std::string& member, int cell) {
    SCOPED_TRACE(member);
    const AsvmFile model = Parsed(member);
    EXPECT_TRUE(model.texture1.empty());
    const auto [s0, t0, s1, t1] = SkinAtlas::TextureRect(cell);
    for (const auto& [s, t] : model.texCoords) {
      EXPECT_TRUE(s >= s0 && s <= s1 && t >= t0 && t <= t1) << s << ", " << t;
    }
  };
  for (const Named& block : kBlocks) {
    check(std::string("Data/Models/Hi/") + block.name, block.cell);
    check(std::string("Data/Models/Low/") + block.name, block.cell);
  }
  for (const Named& goody : kGoodies) {
    check(std::string("Data/Models/") + goody.name, goody.cell);
  }
}

TEST(Models, GoodiesAreEverywhereABlockMayBeLoadedFromAndFitACell) {
  for (const Named& goody : kGoodies) {
    for (const std::string folder : {"Data/Models/", "Data/Models/Hi/", "Data/Models/Low/"}) {
      SCOPED_TRACE(folder + goody.name);
      const AsvmFile model = Parsed(folder + goody.name);
      ASSERT_EQ(model.objects.size(), 1u);
      EXPECT_TRUE(FacingOf(model, 0).Closed());
      EXPECT_GT(FacingOf(model, 0).volume, 0.0) << "faces wound outward";
      for (const Vec3& p : model.positions) {
        EXPECT_LE(std::fabs(p[0]), 3.4f);
        EXPECT_LE(std::fabs(p[1]), 3.8f);
        EXPECT_LE(std::fabs(p[2]), 2.5f);
      }
    }
  }
}

TEST(Models, ControlsHaveTheirObjectsAndEveryTextureTheyName) {
  auto check = [](const std::string& name, std::size_t objects) {
    SCOPED_TRACE(name);
    const AsvmFile model = Parsed("Data/Models/" + name);
    ASSERT_EQ(model.objects.size(), objects);
    for (std::size_t i = 0; i < objects; ++i) {
      EXPECT_FALSE(model.objects[i].faces.empty()) << "object " << i;
      // Solids are wound outward; faces open at the back look at the camera, which stands at -z.
      const Facing facing = FacingOf(model, i);
      if (facing.Closed()) {
        EXPECT_GT(facing.volume, 0.0) << "object " << i;
      } else {
        EXPECT_LT(facing.normalSum[2], 0.0f) << "object " << i;
      }
    }
    EXPECT_TRUE(model.texture2.empty());
    if (name == "skin.asvm") {
      EXPECT_TRUE(model.texture1.empty()) << "the skin button binds the skin it shows";
      return;
    }
    ASSERT_FALSE(model.texture1.empty()) << "untextured, it would draw with whatever was bound last";
    EXPECT_LT(model.texture1.size(), AsvmFile::kTextureNameSize) << "room for the terminator";
    const auto texture = GeneratedModels().find("Data/Textures/" + model.texture1);
    ASSERT_NE(texture, GeneratedModels().end()) << model.texture1 << " was not written";
    const auto image = DecodeTga(texture->second);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width & (image->width - 1), 0) << "power of two";
    EXPECT_EQ(image->height & (image->height - 1), 0) << "power of two";
    EXPECT_EQ(image->components, 4);
  };
  for (const char* name : kTwoObjectControls) {
    check(name, 2);
  }
  for (const char* name : kOneObjectControls) {
    check(name, 1);
  }
}

// A blended button darkens by the alpha and then adds the colour as it is,
// so wherever a face is clear it must add nothing, or it would draw a bright
// rectangle round its label.
TEST(Models, ButtonFacesAddNoMoreLightThanTheyCover) {
  for (const auto& [member, bytes] : GeneratedModels()) {
    if (!member.starts_with("Data/Textures/bt_") || member == "Data/Textures/bt_controls.tga") {
      continue;
    }
    SCOPED_TRACE(member);
    const auto image = DecodeTga(bytes);
    ASSERT_TRUE(image);
    int brightest = 0;
    for (std::size_t i = 0; i < image->pixels.size(); i += 4) {
      const int alpha = image->pixels[i + 3];
      for (int channel = 0; channel < 3; ++channel) {
        ASSERT_LE(image->pixels[i + channel], alpha + 1) << "pixel " << i / 4;
        brightest = std::max(brightest, static_cast<int>(image->pixels[i + channel]));
      }
    }
    EXPECT_GT(brightest, 240) << "the label or icon glows";
  }
}

TEST(Models, TwoRunsWriteTheSameBytes) {
  const Members again = GenerateModels();
  ASSERT_EQ(again.size(), GeneratedModels().size());
  for (const auto& [member, bytes] : GeneratedModels()) {
    const auto found = again.find(member);
    ASSERT_NE(found, again.end()) << member;
    EXPECT_TRUE(found->second == bytes) << member;
  }
}

}  // namespace

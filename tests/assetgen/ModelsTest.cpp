// The models the game names: each written where the loaders look for it,
// whole, with the objects its users show, faces that look outward, and the
// textures it names; blocks and goodies take their colours from the skin.
#include <gtest/gtest.h>

#include <cmath>

#include "Assets.h"
#include "assetgen/SkinAtlas.h"
#include "gfx/AsvmFile.h"
#include "gfx/TgaDecode.h"

namespace {

using Vec3 = std::array<float, 3>;

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Whether the faces of one object look outward, as the game's normals and
// culling need: a closed solid (its normals cancel out) encloses a positive
// volume; faces open at the back look at the camera, which stands at -z.
::testing::AssertionResult LooksOutward(const AsvmFile& model, std::size_t object, bool solid) {
  Vec3 normalSum{0, 0, 0};
  double area = 0, volume = 0;
  for (const AsvmFile::Face& face : model.objects[object].faces) {
    const Vec3& a = model.positions[face[0].vertex - 1];
    const Vec3& b = model.positions[face[1].vertex - 1];
    const Vec3& c = model.positions[face[2].vertex - 1];
    const Vec3 n = Cross({b[0] - a[0], b[1] - a[1], b[2] - a[2]}, {c[0] - a[0], c[1] - a[1], c[2] - a[2]});
    for (int axis = 0; axis < 3; ++axis) {
      normalSum[axis] += n[axis];
    }
    area += std::hypot(n[0], n[1], n[2]);
    const Vec3 bc = Cross(b, c);
    volume += a[0] * bc[0] + a[1] * bc[1] + a[2] * bc[2];
  }
  const bool closed = std::hypot(normalSum[0], normalSum[1], normalSum[2]) < 1e-4 * area;
  if (area > 0 && (closed ? volume > 0 : normalSum[2] < 0 && !solid)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "object " << object << (closed ? " is inside out" : " is open or faces away");
}

TEST(Models, EveryModelIsWholeLooksOutwardAndNamesTexturesThatExist) {
  const struct {
    const char* name;
    std::size_t objects;
    int skinCell;  // blocks and goodies draw with the skin that is bound, from one cell of it
  } models[] = {
      {"yellow.Asvm", 1, SkinAtlas::kYellow},         {"green.Asvm", 1, SkinAtlas::kGreen},
      {"red.Asvm", 1, SkinAtlas::kRed},               {"blue.Asvm", 1, SkinAtlas::kBlue},
      {"Marker.Asvm", 1, SkinAtlas::kMarker},         {"bombabonus.asvm", 1, SkinAtlas::kBomb},
      {"redbonus.asvm", 1, SkinAtlas::kRedBomb},      {"yellowbonus.asvm", 1, SkinAtlas::kYellowBomb},
      {"bluebonus.asvm", 1, SkinAtlas::kBlueBomb},    {"greenbonus.asvm", 1, SkinAtlas::kGreenBomb},
      {"groupbonus.asvm", 1, SkinAtlas::kGroupBomb},  {"hlbonus.asvm", 1, SkinAtlas::kHorizontalBomb},
      {"vlbonus.asvm", 1, SkinAtlas::kVerticalBomb},  {"crossbonus.asvm", 1, SkinAtlas::kCrossBomb},
      // Controls: normal and highlighted faces, or box and mark; the slider's rail and thumb.
      {"min.asvm", 2, -1},       {"max.asvm", 2, -1},        {"quit.asvm", 2, -1},      {"menu.asvm", 2, -1},
      {"rotate_cw.asvm", 2, -1}, {"rotate_acw.asvm", 2, -1}, {"newgame.asvm", 2, -1},   {"continue.asvm", 2, -1},
      {"options.asvm", 2, -1},   {"top10.asvm", 2, -1},      {"help.asvm", 2, -1},      {"exit.asvm", 2, -1},
      {"remover.asvm", 2, -1},   {"breakdown.asvm", 2, -1},  {"rightarrow.asvm", 2, -1}, {"leftarrow.asvm", 2, -1},
      {"clear.asvm", 2, -1},     {"ok.asvm", 2, -1},         {"cancel.asvm", 2, -1},    {"skin.asvm", 2, -1},
      {"CheckBox.Asvm", 2, -1},  {"PARadio.asvm", 2, -1},    {"Slider.Asvm", 1, -1},    {"BSliderStem.Asvm", 1, -1},
  };
  for (const auto& named : models) {
    // Blocks ("*.Asvm") come in both details; a goody replaces a block, so it
    // is wherever a block may be loaded from.
    const bool block = named.skinCell >= 0 && std::string(named.name).ends_with(".Asvm");
    for (const std::string folder : {"Data/Models/", "Data/Models/Hi/", "Data/Models/Low/"}) {
      if ((block && folder == "Data/Models/") || (named.skinCell < 0 && folder != "Data/Models/")) {
        continue;
      }
      SCOPED_TRACE(folder + named.name);
      const AsvmFile::ParseResult parsed = AsvmFile::Parse(Member(folder + named.name));
      ASSERT_TRUE(parsed.file && parsed.magicMatched);
      const AsvmFile& model = *parsed.file;
      ASSERT_EQ(model.objects.size(), named.objects);
      for (std::size_t object = 0; object < named.objects; ++object) {
        EXPECT_TRUE(LooksOutward(model, object, named.skinCell >= 0));
      }
      EXPECT_TRUE(model.texture2.empty());
      if (named.skinCell >= 0 || named.name == std::string("skin.asvm")) {
        EXPECT_TRUE(model.texture1.empty()) << "it draws with the skin that is bound";
      } else {
        // Untextured, a control would draw with whatever was bound last.
        const auto image = DecodeTga(Member("Data/Textures/" + model.texture1));
        ASSERT_TRUE(image) << model.texture1;
        EXPECT_TRUE((image->width & (image->width - 1)) == 0 && (image->height & (image->height - 1)) == 0);
      }
      if (named.skinCell >= 0) {
        const auto [s0, t0, s1, t1] = SkinAtlas::TextureRect(named.skinCell);
        for (const auto& [s, t] : model.texCoords) {
          EXPECT_TRUE(s >= s0 && s <= s1 && t >= t0 && t <= t1) << "outside its skin cell: " << s << ", " << t;
        }
      }
    }
  }
  // A board draws 200 blocks at once: the rounded ones stay cheap for a
  // software renderer, and still have the more detail.
  const auto faces = [](const std::string& path) { return AsvmFile::Parse(Member(path)).file->FaceCount(); };
  EXPECT_LE(faces("Data/Models/Hi/red.Asvm"), 300u);
  EXPECT_GT(faces("Data/Models/Hi/red.Asvm"), 4 * faces("Data/Models/Low/red.Asvm"));
}

}  // namespace

// Models loaded from an archive and drawn on a real context: shared geometry,
// textures named by the file, lighting left as it should be, detail reloads,
// display lists made again, and files that must not load.
#include <GL/gl.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "TextureTest.h"
#include "asvm/AsvmWriter.h"
#include "core/OException.h"
#include "gfx/OModel.h"
#include "gfx/OBaseImage.h"
#include "gfx/OModelData.h"
#include "gfx/OModelManager.h"
#include "gfx/OTexture.h"
#include "gfx/PictureKey.h"
#include "platform/MessageBox.h"

namespace {

using Pixel = std::array<std::uint8_t, 4>;
const Pixel kWhite{255, 255, 255, 255};
const Pixel kBlack{0, 0, 0, 255};

// A square in the z = 0 plane from (-size, -size) to (size, size), facing +z,
// with one object per entry of `objects` (each the whole square). Corners
// take the texture's corners, and the second face starts at the far corner.
Bytes Square(float size, int objects = 1, const char* texture1 = "", const char* texture2 = "") {
  AsvmFile model;
  model.texture1 = texture1;
  model.texture2 = texture2;
  model.positions = {{-size, -size, 0}, {size, -size, 0}, {size, size, 0}, {-size, size, 0}};
  model.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  model.objects.resize(static_cast<std::size_t>(objects));
  for (AsvmFile::Object& object : model.objects) {
    object.faces = {{{{1, 1}, {2, 2}, {3, 3}}}, {{{3, 3}, {4, 4}, {1, 1}}}};
  }
  return AsvmWriter::Write(model);
}

class OModelTest : public TextureTest {
 protected:
  void SetUp() override {
    TextureTest::SetUp();
    Bytes wrongMagic = Square(0.5f);
    wrongMagic[0] = 'B';
    const Bytes whole = Square(0.5f);
    archive_ = std::make_unique<TestArchive>(TestArchive::Members{
        {"Data/Models/menu.asvm", Square(0.5f, 2)},
        {"Data/Models/empty.asvm", AsvmWriter::Write(AsvmFile{})},
        {"Data/Models/textured.asvm", Square(1.0f, 2, "quad.tga", "g")},
        {"Data/Models/oneletter.asvm", Square(0.5f, 1, "r")},
        {"Data/Models/Hi/yellow.Asvm", Square(0.5f, 3)},
        {"Data/Models/Low/yellow.Asvm", Square(0.25f, 1)},
        {"Data/Models/notexture.asvm", Square(0.5f, 1, "missing.tga")},
        {"Data/Models/wrongmagic.asvm", wrongMagic},
        {"Data/Models/cut.asvm", Bytes(whole.begin(), whole.end() - 4)},
        {"Data/Textures/quad.tga", TgaFile({"RG", "BY"})},
        {"Data/Textures/g", TgaFile({"G"})},
        {"Data/Textures/r", TgaFile({"R"})},
    });
    OModelManager::Instance().SetDetail(OModelManager::kHighDetail);
    manager_.SetFilterMode(0);

    // A fresh context's matrices show the square from -1 to 1 over the whole picture.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }

  Pixel Centre() const { return context_.PixelAt(32, 32); }

  std::unique_ptr<TestArchive> archive_;
};

TEST_F(OModelTest, DrawsOpaqueAndLitOrBlendedAndUnlit) {
  OModel model;
  model.Load("menu.asvm");
  model.SetVisible(0, true);
  model.Draw();
  EXPECT_EQ(Centre(), kWhite);
  EXPECT_EQ(context_.PixelAt(2, 2), kBlack);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING) || glIsEnabled(GL_BLEND))
      << "opaque, with the lighting left as it was";
  model.ScaleGeometry(4, 4, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  model.Draw();
  EXPECT_EQ(context_.PixelAt(2, 2), kWhite) << "drawn as scaled after it was drawn";

  glClear(GL_COLOR_BUFFER_BIT);
  model.SetAlpha(0.5f);
  model.Draw();
  EXPECT_NEAR(Centre()[0], 128, 2);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && !glIsEnabled(GL_BLEND)) << "blended and unlit, then lit again";

  SCOPED_TRACE("hidden objects and models without objects draw nothing");
  glClear(GL_COLOR_BUFFER_BIT);
  model.HideAll();
  model.Draw();
  EXPECT_EQ(Centre(), kBlack);
  model.SetVisible(7, true);  // no such object: object 0 instead
  EXPECT_TRUE(model.IsVisible(0));
  EXPECT_FALSE(model.IsVisible(1));
  OModel empty;
  empty.Load("empty.asvm");
  empty.SetVisible(3, false);
  empty.Draw();
  EXPECT_FALSE(empty.ComputeBounds());
}

TEST_F(OModelTest, TheFileNamesItsTexturesAndEachCornerTakesItsOwnTexel) {
  glEnable(GL_TEXTURE_2D);
  OModel textured;
  textured.Load("textured.asvm");
  ASSERT_TRUE(textured.Data().texture1);
  ASSERT_TRUE(textured.Data().texture2) << "a one-letter second name is a texture";
  EXPECT_EQ(textured.Data().texture2->Name(), "g");
  textured.Draw();
  // Two points of each face in each half of the picture.
  const struct {
    int x, y;
    char letter;
  } pixels[] = {{24, 8, 'R'}, {56, 8, 'G'}, {8, 40, 'B'}, {40, 56, 'Y'}};
  for (const auto& p : pixels) {
    EXPECT_TRUE(ColourNear(context_.PixelAt(p.x, p.y), p.letter, 0)) << p.x << ", " << p.y;
  }
  OModel oneLetter;
  oneLetter.Load("oneletter.asvm");
  EXPECT_FALSE(oneLetter.Data().texture1) << "a one-letter first name is no texture";
}

// A still screen shows a copy of its last picture while its models' keys
// stay the same, so whatever Draw reads must be in the key.
TEST_F(OModelTest, ThePictureKeyChangesWithEverythingDrawReads) {
  const auto keyOf = [](const OModel& model) {
    PictureKey key;
    model.AddToPictureKey(key);
    return key.Value();
  };
  OModel model;
  ASSERT_TRUE(model.Load("textured.asvm"));
  const std::uint64_t still = keyOf(model);
  // The last two change the geometry and the texture every copy shares.
  const std::vector<std::pair<const char*, std::function<void(OModel&)>>> changes = {
      {"moved", [](OModel& m) { m.transform[13] += 1.0f; }},
      {"scaled", [](OModel& m) { m.SetScale(1.0f, 2.0f, 1.0f); }},
      {"faded", [](OModel& m) { m.SetAlpha(0.5f); }},
      {"blended otherwise", [](OModel& m) { m.SetBlendFunc(GL_SRC_ALPHA, GL_ONE); }},
      {"a face hidden", [](OModel& m) { m.SetVisible(1, true); }},
      {"another file", [](OModel& m) { m.Load("menu.asvm"); }},
      {"filtered otherwise", [](OModel& m) { m.Data().texture1->Image()->SetFilterMode(3); }},
      {"reshaped", [](OModel& m) { m.ScaleGeometry(2.0f, 2.0f, 2.0f); }},
  };
  for (const auto& [change, make] : changes) {
    OModel changed(model);
    make(changed);
    EXPECT_NE(keyOf(changed), still) << change;
  }
}

TEST_F(OModelTest, BoundsHoldTheOrigin) {
  OModel model;
  model.Load("menu.asvm");
  model.ScaleGeometry(1, 2, 1);
  model.Data().positions[0] = {2.0f, 0.5f, 3.0f};
  ASSERT_TRUE(model.ComputeBounds());
  // x from -0.5 to 2, y from -1 to 1, z from the origin to 3.
  const float half[3] = {1.25f, 1.0f, 1.5f};
  const float centre[3] = {0.75f, 0.0f, 1.5f};
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_FLOAT_EQ(model.halfExtents[axis], half[axis]) << "axis " << axis;
    EXPECT_FLOAT_EQ(model.centre[axis], centre[axis]) << "axis " << axis;
  }
}

TEST_F(OModelTest, ModelsOfOneFileShareGeometryAndADetailChangeReloadsThoseWithDetailLevels) {
  OModel block;
  block.Data().detailLevels = true;
  block.Load("yellow.Asvm");
  block.ScaleGeometry(2, 2, 2);
  block.Compile();
  EXPECT_EQ(block.ObjectCount(), 3u);
  OModel menu;
  {
    OModel other;
    menu.Load("menu.asvm");
    other.Load("menu.asvm");
    const OModel copy(other);
    EXPECT_EQ(&copy.Data(), &menu.Data());
    EXPECT_EQ(menu.Data().ReferenceCount(), 3);
    other.ScaleGeometry(2, 2, 2);
    EXPECT_EQ(menu.Data().positions[2], (std::array<float, 3>{1, 1, 0})) << "every instance sees a scaling";
  }

  OModelManager::Instance().SetDetail(OModelManager::kLowDetail);
  EXPECT_TRUE(OModelManager::Instance().ReloadDetailModels());
  EXPECT_EQ(block.ObjectCount(), 1u);
  EXPECT_EQ(block.Data().positions[2], (std::array<float, 3>{0.5f, 0.5f, 0}));
  EXPECT_TRUE(block.Data().objects[0]->Compiled());
  EXPECT_EQ(menu.ObjectCount(), 2u);
  block.Draw();  // the flags were made for three objects; drawing must not read past one
  EXPECT_EQ(Centre(), kWhite);
  OModel late;  // made while the file had one object, as a block copied from its prototype
  late.Load("yellow.Asvm");
  OModelManager::Instance().SetDetail(OModelManager::kHighDetail);
  ASSERT_TRUE(OModelManager::Instance().ReloadDetailModels());
  EXPECT_TRUE(late.IsVisible(2)) << "an object the reload added shows";
  late.SetVisible(2, true);
  EXPECT_TRUE(late.IsVisible(2) && !late.IsVisible(0));

  SCOPED_TRACE("display lists are made again in a new context");
  OModelManager::Instance().DeleteAllDisplayLists();
  EXPECT_FALSE(block.Data().objects[0]->Compiled());
  OModelManager::Instance().CompileAllDisplayLists();
  EXPECT_TRUE(block.Data().objects[0]->Compiled());
  glClear(GL_COLOR_BUFFER_BIT);
  block.Draw();
  EXPECT_EQ(Centre(), kWhite);
}

TEST_F(OModelTest, DamagedFilesThrowAndAreNotCachedButAWrongMagicIsOnlyShown) {
  for (const char* name : {"nosuch.asvm", "cut.asvm", "notexture.asvm"}) {
    SCOPED_TRACE(name);
    OModel model;
    EXPECT_THROW(model.Load(name), OFileNotFound);
    EXPECT_EQ(OModelManager::Instance().Find(name), nullptr);
  }
  EXPECT_EQ(OModelManager::Instance().Size(), 0u) << "a file's geometry goes with its last model";

  std::string shown;
  const auto previous =
      platform::SetMessageBoxHandler([&shown](const std::string& caption, const std::string& text,
                                              platform::MessageBoxIcon) { shown = caption + ": " + text; });
  OModel model;
  EXPECT_NO_THROW(model.Load("wrongmagic.asvm"));
  platform::SetMessageBoxHandler(previous);
  EXPECT_EQ(shown, "Error: Wrong model format.");
  EXPECT_EQ(model.ObjectCount(), 1u);
}

}  // namespace

// Models loaded from an archive and drawn on a real context: shared geometry,
// textures named by the file, lighting left as it should be, detail reloads,
// display lists across a context change, and files that must not load.
#include <GL/gl.h>

#include <memory>

#include "app/OException.h"
#include "asvm/AsvmWriter.h"
#include "gfx/OModel.h"
#include "gfx/OModelData.h"
#include "gfx/OModelManager.h"
#include "platform/MessageBox.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A square in the z = 0 plane from (-size, -size) to (size, size), facing +z,
// with one object per entry of `objects` (each the whole square).
AsvmFile Square(float size, int objects = 1) {
  AsvmFile model;
  model.positions = {{-size, -size, 0}, {size, -size, 0}, {size, size, 0}, {-size, size, 0}};
  model.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (int i = 0; i < objects; ++i) {
    AsvmFile::Object object;
    object.faces = {{{{1, 1}, {2, 2}, {3, 3}}}, {{{1, 1}, {3, 3}, {4, 4}}}};
    model.objects.push_back(object);
  }
  return model;
}

// A 2 x 2 uncompressed 24-bit TGA of one colour.
Bytes Tga(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  Bytes bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0};
  for (int i = 0; i < 4; ++i) {
    bytes.insert(bytes.end(), {blue, green, red});
  }
  return bytes;
}

class OModelTest : public GLTest {
 protected:
  void SetUp() override {
    GLTest::SetUp();
    AsvmFile textured = Square(0.5f, 2);
    textured.texture1 = "red.tga";
    textured.texture2 = "g";
    AsvmFile oneLetterFirstName = Square(0.5f);
    oneLetterFirstName.texture1 = "r";

    TestArchive::Members archive;
    archive.emplace_back("Data/Models/menu.asvm", AsvmWriter::Write(Square(0.5f, 2)));
    archive.emplace_back("Data/Models/empty.asvm", AsvmWriter::Write(AsvmFile{}));
    archive.emplace_back("Data/Models/textured.asvm", AsvmWriter::Write(textured));
    archive.emplace_back("Data/Models/oneletter.asvm", AsvmWriter::Write(oneLetterFirstName));
    archive.emplace_back("Data/Models/Hi/yellow.Asvm", AsvmWriter::Write(Square(0.5f, 3)));
    archive.emplace_back("Data/Models/Low/yellow.Asvm", AsvmWriter::Write(Square(0.25f, 1)));
    archive.emplace_back("Data/Models/notexture.asvm", [] {
      AsvmFile model = Square(0.5f);
      model.texture1 = "missing.tga";
      return AsvmWriter::Write(model);
    }());
    Bytes wrongMagic = AsvmWriter::Write(Square(0.5f));
    wrongMagic[0] = 'B';
    archive.emplace_back("Data/Models/wrongmagic.asvm", wrongMagic);
    Bytes cut = AsvmWriter::Write(Square(0.5f));
    cut.resize(cut.size() - 4);
    archive.emplace_back("Data/Models/cut.asvm", cut);
    archive.emplace_back("Data/Textures/red.tga", Tga(255, 0, 0));
    archive.emplace_back("Data/Textures/g", Tga(0, 255, 0));
    archive.emplace_back("Data/Textures/r", Tga(255, 0, 0));
    archive_ = std::make_unique<TestArchive>(archive);
    OModelManager::Instance().SetDetail(OModelManager::kHighDetail);

    // Looking down the z axis from +z onto the unit square around the origin.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }

  std::array<std::uint8_t, 4> Centre() const { return context_.PixelAt(32, 32); }
  std::array<std::uint8_t, 4> Corner() const { return context_.PixelAt(2, 2); }

  std::unique_ptr<TestArchive> archive_;
};

using Pixel = std::array<std::uint8_t, 4>;

TEST_F(OModelTest, TwoModelsOfOneFileShareTheirGeometry) {
  {
    OModel first;
    OModel second;
    first.Load("menu.asvm");
    second.Load("menu.asvm");
    EXPECT_EQ(&first.Data(), &second.Data());
    EXPECT_EQ(first.Data().ReferenceCount(), 2);

    first.ScaleGeometry(2, 2, 2);
    EXPECT_EQ(second.Data().positions[2], (std::array<float, 3>{1, 1, 0}));

    OModel copy(second);
    EXPECT_EQ(&copy.Data(), &first.Data());
    EXPECT_EQ(copy.ObjectCount(), 2u);
  }
  EXPECT_EQ(OModelManager::Instance().Find("menu.asvm"), nullptr);
}

TEST_F(OModelTest, DrawsOpaqueAndLitOrBlendedAndUnlit) {
  OModel model;
  model.Load("menu.asvm");
  model.SetVisible(0, true);

  for (const bool lightingBefore : {false, true}) {
    SCOPED_TRACE(lightingBefore ? "lighting on before" : "lighting off before");
    lightingBefore ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
    model.SetAlpha(0);
    model.Draw();
    EXPECT_EQ(glIsEnabled(GL_LIGHTING), lightingBefore ? GL_TRUE : GL_FALSE);
    EXPECT_EQ(glIsEnabled(GL_BLEND), GL_FALSE);
  }

  glDisable(GL_LIGHTING);
  glClear(GL_COLOR_BUFFER_BIT);
  model.SetAlpha(0);
  model.Draw();
  EXPECT_EQ(Centre(), (Pixel{255, 255, 255, 255}));
  EXPECT_EQ(Corner(), (Pixel{0, 0, 0, 255}));

  glClear(GL_COLOR_BUFFER_BIT);
  model.SetAlpha(0.5f);
  model.Draw();
  EXPECT_NEAR(Centre()[0], 128, 2);
  EXPECT_EQ(glIsEnabled(GL_LIGHTING), GL_TRUE);
  EXPECT_EQ(glIsEnabled(GL_BLEND), GL_FALSE);
}

TEST_F(OModelTest, HiddenObjectsAndModelsWithoutObjectsDrawNothing) {
  glDisable(GL_LIGHTING);
  OModel empty;
  empty.Load("empty.asvm");
  EXPECT_EQ(empty.ObjectCount(), 0u);
  empty.SetVisible(3, false);
  empty.Draw();
  EXPECT_FALSE(empty.ComputeBounds());

  OModel model;
  model.Load("menu.asvm");
  model.HideAll();
  model.Draw();
  EXPECT_EQ(Centre(), (Pixel{0, 0, 0, 255}));

  model.SetVisible(7, true);  // no such object: object 0 instead
  EXPECT_TRUE(model.IsVisible(0));
  EXPECT_FALSE(model.IsVisible(1));
}

TEST_F(OModelTest, TheFileNamesItsTextures) {
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  OModel textured;
  textured.Load("textured.asvm");
  ASSERT_TRUE(textured.Data().texture1);
  ASSERT_TRUE(textured.Data().texture2) << "a one-letter second name is a texture";
  EXPECT_EQ(textured.Data().texture2->Name(), "g");
  textured.Draw();
  EXPECT_EQ(Centre(), (Pixel{255, 0, 0, 255}));

  OModel oneLetter;
  oneLetter.Load("oneletter.asvm");
  EXPECT_FALSE(oneLetter.Data().texture1) << "a one-letter first name is no texture";
}

TEST_F(OModelTest, BoundsHoldTheOrigin) {
  OModel model;
  model.Load("menu.asvm");
  model.ScaleGeometry(1, 2, 1);
  model.Data().positions[0] = {0.25f, 0.5f, 3.0f};
  ASSERT_TRUE(model.ComputeBounds());
  EXPECT_FLOAT_EQ(model.halfExtents[1], 1.0f);
  EXPECT_FLOAT_EQ(model.halfExtents[2], 1.5f);
  EXPECT_FLOAT_EQ(model.centre[2], 1.5f);
}

TEST_F(OModelTest, ChangingTheDetailReloadsOnlyModelsWithDetailLevels) {
  OModel block;
  block.Data().detailLevels = true;
  block.Load("yellow.Asvm");
  block.ScaleGeometry(2, 2, 2);
  block.Compile();
  OModel menu;
  menu.Load("menu.asvm");
  EXPECT_EQ(block.ObjectCount(), 3u);

  OModelManager::Instance().SetDetail(OModelManager::kLowDetail);
  EXPECT_TRUE(OModelManager::Instance().ReloadDetailModels());
  EXPECT_EQ(block.ObjectCount(), 1u);
  EXPECT_EQ(block.Data().positions[2], (std::array<float, 3>{0.5f, 0.5f, 0}));
  EXPECT_TRUE(block.Data().objects[0]->Compiled());
  EXPECT_EQ(menu.ObjectCount(), 2u);

  glDisable(GL_LIGHTING);
  block.Draw();  // the flags were made for three objects; drawing must not read past one
  EXPECT_EQ(Centre(), (Pixel{255, 255, 255, 255}));
}

TEST_F(OModelTest, DisplayListsAreMadeAgainInANewContext) {
  OModel model;
  model.Load("menu.asvm");
  model.Compile();
  OModelManager::Instance().DeleteAllDisplayLists();
  EXPECT_FALSE(model.Data().objects[0]->Compiled());
  OModelManager::Instance().CompileAllDisplayLists();
  EXPECT_TRUE(model.Data().objects[0]->Compiled());
  glDisable(GL_LIGHTING);
  model.Draw();
  EXPECT_EQ(Centre(), (Pixel{255, 255, 255, 255}));
}

TEST_F(OModelTest, AWrongMagicIsShownAndTheFileStillLoads) {
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

TEST_F(OModelTest, ModelsThatCannotBeReadThrowAndAreNotCached) {
  for (const char* name : {"nosuch.asvm", "cut.asvm", "notexture.asvm"}) {
    SCOPED_TRACE(name);
    OModel model;
    EXPECT_THROW(model.Load(name), OFileNotFound);
    EXPECT_EQ(OModelManager::Instance().Find(name), nullptr);
  }
  EXPECT_EQ(OModelManager::Instance().Size(), 0u);
}

}  // namespace

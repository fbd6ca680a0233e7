// Blocks and goodies drawn as the board draws them: loaded through the
// game's own loader from an archive, placed on the ring nearest the camera,
// front faces culled. A piece wound the wrong way would show the inside of
// its back, which faces away from the light.
#include <GL/gl.h>

#include <memory>
#include <numbers>

#include "GeneratedModels.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "gfx/OModel.h"
#include "gfx/OModelData.h"
#include "gfx/OModelManager.h"
#include "support/GLTestContext.h"
#include "support/TestArchive.h"

namespace {

class BoardPiecesDraw : public GLTest {
 protected:
  void SetUp() override {
    GLTest::SetUp();
    archive_ = std::make_unique<TestArchive>(
        TestArchive::Members(GeneratedModels().begin(), GeneratedModels().end()));
  }

  // The middle pixel's brightness with the piece at the front of a ring, the
  // camera 64 back with the game's view and its light.
  int Brightness(const std::string& name, bool detailLevels) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    OCamera camera(64, 64, 20.0f, 1.0f, 300.0f);
    camera.transform[14] = -64.0f;
    camera.LookAt(0, 0, 0);
    camera.SetViewport(64, 64);
    OLight light(0);
    light.Apply();
    glDisable(GL_TEXTURE_2D);

    OModel piece;
    piece.Data().detailLevels = detailLevels;
    piece.Load(name);
    // The ring's turn for the cell nearest the camera, with the cylinder's
    // tilt folded in: height up the screen, depth away from the camera.
    const float turned[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::copy(std::begin(turned), std::end(turned), piece.transform);
    glCullFace(GL_FRONT);
    glEnable(GL_CULL_FACE);
    piece.Draw();
    glDisable(GL_CULL_FACE);
    return context_.PixelAt(32, 32)[1];
  }

  std::unique_ptr<TestArchive> archive_;
};

TEST_F(BoardPiecesDraw, ShowALitFaceToTheCamera) {
  for (const std::int32_t detail : {OModelManager::kHighDetail, OModelManager::kLowDetail}) {
    OModelManager::Instance().SetDetail(detail);
    for (const char* block : {"yellow.Asvm", "green.Asvm", "red.Asvm", "blue.Asvm", "Marker.Asvm"}) {
      SCOPED_TRACE(block);
      EXPECT_GT(Brightness(block, true), 200);
    }
  }
  for (const char* goody :
       {"bombabonus.asvm", "redbonus.asvm", "yellowbonus.asvm", "bluebonus.asvm", "greenbonus.asvm",
        "groupbonus.asvm", "hlbonus.asvm", "vlbonus.asvm", "crossbonus.asvm"}) {
    SCOPED_TRACE(goody);
    EXPECT_GT(Brightness(goody, false), 200);
  }
}

}  // namespace

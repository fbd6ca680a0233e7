#include "assetgen/Buttons.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "assetgen/AssetSink.h"
#include "assetgen/ButtonArt.h"
#include "assetgen/Shapes.h"
#include "assetgen/SkinAtlas.h"
#include "asvm/AsvmWriter.h"

namespace Buttons {

namespace {

using ButtonArt::Icon;

// A button's face picture: a label, or an icon when the text is empty.
struct Face {
  std::string text;
  Icon icon;
  int width;  // of one face; the picture holds two
  int height;
};

struct Button {
  std::string name;
  std::string texture;
  Look look;
  float width;  // model units
  float height;
  Face face;
};

// Sizes in model units, for the scale each screen gives them: the main menu's
// labels at a half come to about 90 x 22 design units, ok and cancel at full
// size to about 83 x 21, the window buttons at a half to 14 x 14, a third of
// their 17-unit spacing apart.
const std::vector<Button>& ButtonList() {
  auto label = [](const char* text) { return Face{text, Icon::Close, 256, 64}; };
  auto icon = [](Icon kind, int width, int height) { return Face{"", kind, width, height}; };
  static const std::vector<Button> buttons = {
      {"min.asvm", "bt_min.tga", Look::Blended, 4, 4, icon(Icon::Minimise, 64, 64)},
      {"max.asvm", "bt_max.tga", Look::Blended, 4, 4, icon(Icon::Maximise, 64, 64)},
      {"quit.asvm", "bt_quit.tga", Look::Blended, 4, 4, icon(Icon::Close, 64, 64)},
      {"menu.asvm", "bt_menu.tga", Look::Blended, 16, 4, label("Menu")},
      {"undo.asvm", "bt_undo.tga", Look::Blended, 16, 4, label("Undo")},
      {"redo.asvm", "bt_redo.tga", Look::Blended, 16, 4, label("Redo")},
      {"replay.asvm", "bt_replay.tga", Look::Blended, 16, 4, label("Replay")},
      {"rotate_cw.asvm", "bt_rotcw.tga", Look::Blended, 14, 14, icon(Icon::TurnClockwise, 128, 128)},
      {"rotate_acw.asvm", "bt_rotacw.tga", Look::Blended, 14, 14, icon(Icon::TurnAnticlockwise, 128, 128)},
      {"newgame.asvm", "bt_newgame.tga", Look::Blended, 26, 6.5f, label("New Game")},
      {"continue.asvm", "bt_continue.tga", Look::Blended, 26, 6.5f, label("Continue")},
      {"options.asvm", "bt_options.tga", Look::Blended, 26, 6.5f, label("Options")},
      {"top10.asvm", "bt_top10.tga", Look::Blended, 26, 6.5f, label("Top 10")},
      {"help.asvm", "bt_help.tga", Look::Blended, 26, 6.5f, label("Help")},
      {"exit.asvm", "bt_exit.tga", Look::Blended, 26, 6.5f, label("Exit")},
      {"remover.asvm", "bt_remover.tga", Look::Blended, 30, 7.5f, label("Remover")},
      {"breakdown.asvm", "bt_breakdn.tga", Look::Blended, 30, 7.5f, label("Breakdown")},
      {"rightarrow.asvm", "bt_right.tga", Look::Blended, 8, 4, icon(Icon::PageRight, 128, 64)},
      {"leftarrow.asvm", "bt_left.tga", Look::Blended, 8, 4, icon(Icon::PageLeft, 128, 64)},
      {"clear.asvm", "bt_clear.tga", Look::Lit, 16, 4, label("Clear")},
      {"ok.asvm", "bt_ok.tga", Look::Lit, 12, 3, label("OK")},
      {"cancel.asvm", "bt_cancel.tga", Look::Lit, 12, 3, label("Cancel")},
  };
  return buttons;
}

constexpr const char* kControlsTexture = "bt_controls.tga";

// A face seen only from the front, so a blended button covers each pixel once:
// labels get a bevelled glass plate, icons a flat sheet that lets their glow
// fade out to nothing.
void AddFace(MeshBuilder& mesh, const Button& button, bool highlighted) {
  const float hw = button.width / 2.0f;
  const float hh = button.height / 2.0f;
  const TexMap map =
      FrontMap(-hw, hw, -hh, hh, ButtonArt::FaceRect(highlighted, button.face.width, button.face.height));
  const bool windowButton = button.face.icon == Icon::Minimise || button.face.icon == Icon::Maximise ||
                            button.face.icon == Icon::Close;
  const bool plate = !button.face.text.empty() || windowButton;
  const float edge = std::min(hw, hh);
  if (plate) {
    AddPrism(mesh, Prism{CutRectangle(hw, hh, edge * 0.3f), -edge * 0.25f, 0.0f, edge * 0.18f, false}, map);
  } else {
    AddPrism(mesh, Prism{{{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}}, 0.0f, 0.0f, 0.0f, false}, map);
  }
}

AsvmFile ButtonModel(const Button& button) {
  MeshBuilder mesh;
  for (const bool highlighted : {false, true}) {
    mesh.BeginObject();
    AddFace(mesh, button, highlighted);
  }
  return mesh.Build(button.texture);
}

Warp Moved(const Vec3& by) {
  return [=](const Vec3& p) { return Vec3{p[0] + by[0], p[1] + by[1], p[2] + by[2]}; };
}

TexMap PartMap(ButtonArt::ControlPart part, float halfWidth, float halfHeight) {
  return FrontMap(-halfWidth, halfWidth, -halfHeight, halfHeight, ButtonArt::ControlRect(part));
}

// Object 0 the box, object 1 the tick standing proud of it.
AsvmFile CheckBoxModel() {
  MeshBuilder mesh;
  mesh.BeginObject();
  AddRoundedBox(mesh, RoundedBox{{0.34f, 0.34f, 0.1f}, 0.06f, {1, 1, 1}, {2, 2, 2}}, Moved({0, 0, 0}),
                PartMap(ButtonArt::ControlPart::Box, 0.34f, 0.34f));
  mesh.BeginObject();
  const TexMap mark = PartMap(ButtonArt::ControlPart::Mark, 0.3f, 0.3f);
  // Each stroke of the tick as a slab along a line.
  auto stroke = [&](Vec2 a, Vec2 b, float halfThickness) {
    const float dx = b[0] - a[0];
    const float dy = b[1] - a[1];
    const float length = std::hypot(dx, dy);
    const float nx = -dy / length * halfThickness;
    const float ny = dx / length * halfThickness;
    AddPrism(
        mesh,
        Prism{
            {{a[0] - nx, a[1] - ny}, {b[0] - nx, b[1] - ny}, {b[0] + nx, b[1] + ny}, {a[0] + nx, a[1] + ny}},
            -0.24f,
            -0.06f,
            0.03f},
        mark);
  };
  stroke({-0.24f, 0.02f}, {-0.06f, -0.2f}, 0.065f);
  stroke({-0.1f, -0.2f}, {0.28f, 0.26f}, 0.065f);
  return mesh.Build(kControlsTexture);
}

// Object 0 the round well, object 1 the dot in it.
AsvmFile RadioModel() {
  MeshBuilder mesh;
  mesh.BeginObject();
  Prism disc{RegularPolygon(24, 0.3f, 0.3f), -0.1f, 0.1f, 0.04f};
  disc.smooth = true;
  AddPrism(mesh, disc, PartMap(ButtonArt::ControlPart::Radio, 0.3f, 0.3f));
  mesh.BeginObject();
  AddEllipsoid(mesh, {0, 0, -0.1f}, {0.14f, 0.14f, 0.09f}, 16, 8,
               PartMap(ButtonArt::ControlPart::Dot, 0.14f, 0.14f));
  return mesh.Build(kControlsTexture);
}

// The rail runs along x; the slider measures its half-width there.
AsvmFile RailModel() {
  MeshBuilder mesh;
  mesh.BeginObject();
  AddRoundedBox(mesh, RoundedBox{{10.0f, 0.32f, 0.22f}, 0.15f, {8, 1, 1}, {2, 2, 2}}, Moved({0, 0, 0}),
                PartMap(ButtonArt::ControlPart::Rail, 10.0f, 0.32f));
  return mesh.Build(kControlsTexture);
}

// The thumb is drawn in the rail's frame, so it stands in front of the rail.
AsvmFile ThumbModel() {
  MeshBuilder mesh;
  mesh.BeginObject();
  AddRoundedBox(mesh, RoundedBox{{0.7f, 1.2f, 0.4f}, 0.25f, {1, 2, 1}, {2, 2, 2}}, Moved({0, 0, -0.45f}),
                PartMap(ButtonArt::ControlPart::Thumb, 0.7f, 1.2f));
  return mesh.Build(kControlsTexture);
}

// The skin button shows four of the skin's colours as tiles; highlighted, the
// tiles come forward and spread on a marker-coloured backing. It names no
// texture, because the button binds the skin it offers.
AsvmFile SkinModel() {
  MeshBuilder mesh;
  const int cells[] = {SkinAtlas::kYellow, SkinAtlas::kGreen, SkinAtlas::kRed, SkinAtlas::kBlue};
  const Vec2 places[] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
  constexpr float kTile = 3.3f;
  for (const bool highlighted : {false, true}) {
    mesh.BeginObject();
    const float spacing = highlighted ? 3.9f : 3.6f;
    const float forward = highlighted ? -0.8f : 0.0f;
    for (int i = 0; i < 4; ++i) {
      const TexMap map = FrontMap(-kTile, kTile, -kTile, kTile, SkinAtlas::TextureRect(cells[i]));
      AddRoundedBox(mesh, RoundedBox{{kTile, kTile, 0.8f}, 0.6f, {1, 1, 1}, {2, 2, 2}},
                    Moved({places[i][0] * spacing, places[i][1] * spacing, forward}), map);
    }
    if (highlighted) {
      const float back = 2.0f * spacing;
      AddRoundedBox(mesh, RoundedBox{{back, back, 0.3f}, 0.25f, {1, 1, 1}, {2, 2, 2}}, Moved({0, 0, 0.6f}),
                    FrontMap(-back, back, -back, back, SkinAtlas::TextureRect(SkinAtlas::kMarker)));
    }
  }
  return mesh.Build();
}

}  // namespace

std::vector<Control> Controls() {
  std::vector<Control> controls;
  for (const Button& button : ButtonList()) {
    controls.push_back({button.name, button.texture, button.look, ButtonModel(button)});
  }
  controls.push_back({"skin.asvm", "", Look::Skin, SkinModel()});
  controls.push_back({"CheckBox.Asvm", kControlsTexture, Look::Lit, CheckBoxModel()});
  controls.push_back({"PARadio.asvm", kControlsTexture, Look::Lit, RadioModel()});
  controls.push_back({"Slider.Asvm", kControlsTexture, Look::Lit, RailModel()});
  controls.push_back({"BSliderStem.Asvm", kControlsTexture, Look::Lit, ThumbModel()});
  return controls;
}

void Write(AssetSink& sink) {
  for (const Control& control : Controls()) {
    sink.AddArchiveMember(std::string("Data/Models/") + control.name, AsvmWriter::Write(control.model));
  }
  for (const Button& button : ButtonList()) {
    const Face& face = button.face;
    const RgbaImage picture = face.text.empty() ? ButtonArt::IconFaces(face.icon, face.width, face.height)
                                                : ButtonArt::LabelFaces(face.text, face.width, face.height);
    sink.AddArchiveMember("Data/Textures/" + button.texture, picture.ToTga(true));
  }
  sink.AddArchiveMember(std::string("Data/Textures/") + kControlsTexture,
                        ButtonArt::ControlsPicture().ToTga(true));
}

}  // namespace Buttons

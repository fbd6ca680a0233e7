#include "gfx/OLight.h"

#include <GL/gl.h>

OLight::OLight(int lightNumber) : number(lightNumber) {}

void OLight::Apply() const {
  const GLenum light = GL_LIGHT0 + number;
  glLightfv(light, GL_AMBIENT, ambient);
  if (positional) {
    // The position column ends in the transform's 1, which is what makes GL treat
    // the light as a point rather than a direction.
    glLightfv(light, GL_POSITION, transform + 12);
  }
  glEnable(GL_LIGHTING);
  glEnable(light);
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, localViewer);
}

#!/usr/bin/env bash
# OpenGL belongs to render/: fails when a source below FOLDER includes an
# OpenGL header or names an OpenGL function, constant or type.
#   check_no_gl.sh FOLDER
# Allowed: the toolkit's own GL canvas set-up (<wx/glcanvas.h>, wxGLCanvas,
# wxGLContext, the WX_GL_* attributes), which only asks the toolkit for a
# window OpenGL can draw in. The patterns are tried on samples first, so a
# broken pattern cannot pass everything.
set -uo pipefail
folder="$1"

# An OpenGL header: GL/, GLES*/, EGL/, KHR/, OpenGL/ or a loader's folder,
# or a bare gl.h, glu.h, glext.h, glx.h, glew.h, glut.h, glfw*.h.
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*/)?((GL|GLES[0-9]*|EGL|KHR|OpenGL|epoxy|glad)/|(glu?|glext|glx|glew|glut|glfw3?)\.h[>"])'
# glFoo, gluFoo, glXFoo; GL_FOO, GLU_FOO; GLint, GLuint, GLenum and the
# other GL types. Not preceded by a letter, digit or _ (so WX_GL_RGBA and
# wxGLCanvas pass).
name='(^|[^A-Za-z0-9_])(glu?[A-Z][A-Za-z0-9_]*|GLU?_[A-Z0-9_]+|GL(u?int|enum|boolean|float|double|sizei|bitfield|void|u?byte|u?short|clamp[fd]|char|sync|int64|uint64)([^A-Za-z0-9_]|$))'

caught() { grep -Eq -e "$include" -e "$name" <<<"$1"; }
for bad in '#include <GL/gl.h>' '#include "GL/glu.h"' '  #  include <epoxy/gl.h>' '#include <glext.h>' \
  '#include <OpenGL/gl3.h>' 'glClear(GL_DEPTH_BUFFER_BIT);' 'x = gluNewQuadric();' 'GLuint texture = 0;' \
  'if (m) glXSwapBuffers(d, w);' 'int a = GL_TRUE;'; do
  caught "$bad" || { echo "check_no_gl: the patterns miss: $bad"; exit 2; }
done
for good in '#include <wx/glcanvas.h>' 'class Vue_OpenGL : public wxGLCanvas {' 'std::unique_ptr<wxGLContext> c;' \
  'int const attributes[] = {WX_GL_RGBA, WX_GL_DOUBLEBUFFER, 0};' 'Glyphs glyphs; // OpenGL is drawn in render/'; do
  caught "$good" && { echo "check_no_gl: the patterns catch allowed code: $good"; exit 2; }
done

found="$(grep -rnE --include='*.h' --include='*.cpp' -e "$include" -e "$name" "$folder")"
if [[ -n "$found" ]]; then
  echo "OpenGL outside render/ (move it behind the render layer's interface):"
  echo "$found"
  exit 1
fi
echo "no OpenGL header or name in $folder"

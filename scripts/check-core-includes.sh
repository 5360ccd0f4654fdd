#!/usr/bin/env bash
# Fails when simulation code includes SDL, GL, OpenAL or ImGui headers.
cd "$1" || exit 2
hits=$(find util shell game bus city traffic boards net platform -name '*.h' -o -name '*.cpp' 2>/dev/null \
  | grep -vE '/(sdl|gl|openal|imgui)/|^platform/render/' \
  | xargs -r grep -nE '#\s*include\s*[<"](SDL|epoxy|GL/|AL/|al\.h|alc\.h|imgui|ft2build|freetype|sndfile)' )
if [ -n "$hits" ]; then echo "platform headers in core code:"; echo "$hits"; exit 1; fi
echo "core is free of platform headers"

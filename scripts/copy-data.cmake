# Copies the demo world's text files (data/) into the game folder; a missing
# data/ folder copies nothing.
if(EXISTS "${SRC}")
  file(COPY "${SRC}/" DESTINATION "${DST}")
endif()

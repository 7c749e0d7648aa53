# Puts the default settings file beside the executable unless the player already has one.
if(NOT EXISTS "${DEST}")
  file(COPY_FILE "${SRC}" "${DEST}")
endif()

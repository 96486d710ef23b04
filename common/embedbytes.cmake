# cmake -DINPUT=<file> -DOUTPUT=<file> -P embedbytes.cmake
# Writes the bytes of INPUT as the initialiser list of an unsigned char
# array ("0x32,0x0a,..."), 16 bytes a line, for a source file to #include.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
if(bytes STREQUAL "")
  set(bytes "0x00,")
endif()
file(WRITE "${OUTPUT}" "${bytes}\n")

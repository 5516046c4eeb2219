# Writes the bytes of INPUT as a C++ initializer list into OUTPUT: "0x89, 0x50, ...".
# cmake -DINPUT=<file> -DOUTPUT=<file> -P EmbedBytes.cmake
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${hex}")
file(WRITE ${OUTPUT} "${bytes}\n")

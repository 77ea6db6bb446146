# Writes one file's bytes as a C++ array: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "#include \"embedded_resources.h\"\n\nnamespace glimtags::embedded {\n\nconst unsigned char ${SYMBOL}_data[] = {\n${bytes}\n};\nconst Resource ${SYMBOL}{${SYMBOL}_data, ${size}};\n\n} // namespace glimtags::embedded\n")

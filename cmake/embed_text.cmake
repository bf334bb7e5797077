# Writes a C++ source that holds a text file's bytes as the body of a
# function returning std::string_view, so that a program carries the file
# built in:
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DNAMESPACE=ns -DFUNCTION=Name -DHEADER=h -P embed_text.cmake
file(READ "${INPUT}" bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace ${NAMESPACE} {\n\n"
  "namespace {\nconstexpr unsigned char kText[] = {${bytes} 0};\n}  // namespace\n\n"
  "std::string_view ${FUNCTION}() { return {reinterpret_cast<const char*>(kText), sizeof kText - 1}; }\n\n"
  "}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")

# After packaging: SHA256SUMS beside the tarballs just written, in the form
# `sha256sum -c` reads.
set(sums "")
foreach(file IN LISTS CPACK_PACKAGE_FILES)
  file(SHA256 ${file} sum)
  cmake_path(GET file FILENAME name)
  string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")

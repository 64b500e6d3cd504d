# The bundled data: the national list exactly as published, read from its archive (a build
# that cannot read archives gets it unpacked), and the area-code file as it stands. Programs
# find it relative to their own folder, built (bin/ beside data/) and installed
# (NANBARU_DATA_FROM_BIN), so the whole install can be moved to any prefix.
set(NANBARU_DATA_DIR ${CMAKE_BINARY_DIR}/data)
if(NANBARU_ZIP)
  set(NANBARU_BUNDLED_LIST ken_all.zip)
  configure_file(${CMAKE_SOURCE_DIR}/data/ken_all.zip ${NANBARU_DATA_DIR}/ken_all.zip COPYONLY)
else()
  set(NANBARU_BUNDLED_LIST KEN_ALL.CSV)
  file(ARCHIVE_EXTRACT INPUT ${CMAKE_SOURCE_DIR}/data/ken_all.zip DESTINATION ${NANBARU_DATA_DIR})
endif()
configure_file(${CMAKE_SOURCE_DIR}/data/郵電話.txt ${NANBARU_DATA_DIR}/郵電話.txt COPYONLY)
set(NANBARU_DATA_FILES ${NANBARU_DATA_DIR}/${NANBARU_BUNDLED_LIST} ${NANBARU_DATA_DIR}/郵電話.txt
    ${CMAKE_SOURCE_DIR}/data/LICENSE-libphonenumber.txt)

cmake_path(RELATIVE_PATH NANBARU_INSTALL_DATA_DIR BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE NANBARU_DATA_FROM_BIN)

# The bundled data: the national list and the business-office list exactly as published, read
# from their archives (a build that cannot read archives gets them unpacked), and the
# area-code file as it stands. Programs find them relative to their own folder, built (bin/
# beside data/) and installed (NANBARU_DATA_FROM_BIN), so the whole install can be moved to
# any prefix.
set(NANBARU_DATA_DIR ${CMAKE_BINARY_DIR}/data)
if(NANBARU_ZIP)
  set(NANBARU_BUNDLED_LIST ken_all.zip)
  set(NANBARU_BUNDLED_OFFICE_LIST jigyosyo.zip)
  foreach(list ken_all.zip jigyosyo.zip)
    configure_file(${CMAKE_SOURCE_DIR}/data/${list} ${NANBARU_DATA_DIR}/${list} COPYONLY)
  endforeach()
else()
  set(NANBARU_BUNDLED_LIST KEN_ALL.CSV)
  set(NANBARU_BUNDLED_OFFICE_LIST JIGYOSYO.CSV)
  foreach(list ken_all.zip jigyosyo.zip)
    file(ARCHIVE_EXTRACT INPUT ${CMAKE_SOURCE_DIR}/data/${list} DESTINATION ${NANBARU_DATA_DIR})
  endforeach()
endif()
configure_file(${CMAKE_SOURCE_DIR}/data/郵電話.txt ${NANBARU_DATA_DIR}/郵電話.txt COPYONLY)
set(NANBARU_DATA_FILES ${NANBARU_DATA_DIR}/${NANBARU_BUNDLED_LIST}
    ${NANBARU_DATA_DIR}/${NANBARU_BUNDLED_OFFICE_LIST} ${NANBARU_DATA_DIR}/郵電話.txt
    ${CMAKE_SOURCE_DIR}/data/LICENSE-libphonenumber.txt)

cmake_path(RELATIVE_PATH NANBARU_INSTALL_DATA_DIR BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE NANBARU_DATA_FROM_BIN)

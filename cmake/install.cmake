# Installation: the programs, the library with its public header, the manual page
# and a CMake package, so that find_package(zep) gives the target zep::zep.
include(CMakePackageConfigHelpers)

foreach(prog zep zep-solve zep-parse zep-convert)
  if(TARGET ${prog}-bin)
    install(TARGETS ${prog}-bin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The public header alone; the others are the library's own.
install(FILES ${PROJECT_SOURCE_DIR}/include/zep/zep.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zep)

install(TARGETS zep EXPORT zepTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

set(ZEP_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/zep)
install(EXPORT zepTargets NAMESPACE zep:: DESTINATION ${ZEP_PACKAGE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zepConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/zepConfig.cmake
                              INSTALL_DESTINATION ${ZEP_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zepConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zepConfig.cmake ${PROJECT_BINARY_DIR}/zepConfigVersion.cmake
        DESTINATION ${ZEP_PACKAGE_DIR})

# One page describes all four programs; the others are links to it.
install(FILES ${PROJECT_SOURCE_DIR}/man/zep.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(prog zep-solve zep-parse zep-convert)
  if(TARGET ${prog}-bin)
    install(FILES ${PROJECT_SOURCE_DIR}/man/${prog}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

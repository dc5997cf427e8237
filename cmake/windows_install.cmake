# What `cmake --install` puts where on Windows: one folder that holds the
# program, the library beside it (where the program and a host look for it),
# the library's fonts in fonts/ beside the library, and the C header.
install(TARGETS WinFlox03RDll RUNTIME DESTINATION . LIBRARY DESTINATION . ARCHIVE DESTINATION lib)
install(TARGETS flox03 RUNTIME DESTINATION .)
install(FILES ${FLOX_SHIPPED_FONTS} DESTINATION fonts)
install(FILES ${PROJECT_SOURCE_DIR}/include/flox03.h DESTINATION include)

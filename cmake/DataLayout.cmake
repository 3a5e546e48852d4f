# The documents the help menu opens are laid out beside the programs, as the reference database and the pictures
# are: build/bin/accessories/*.rtf and build/bin/help.html.
file(GLOB yunshan_documents CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/accessories/*.rtf)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/help.html)
    list(APPEND yunshan_documents ${PROJECT_SOURCE_DIR}/data/help.html)
endif()
# The run mode is read from "setm.dll" in the current folder; beside the programs it says "standalone", so the
# program started from its own folder (make run) is the standalone product.
list(APPEND yunshan_documents ${PROJECT_SOURCE_DIR}/data/setm.dll)
set(yunshan_document_outputs)
foreach(doc ${yunshan_documents})
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/data ${doc})
    add_custom_command(OUTPUT ${YUNSHAN_BIN_DIR}/${rel}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${doc} ${YUNSHAN_BIN_DIR}/${rel}
        DEPENDS ${doc}
        VERBATIM)
    list(APPEND yunshan_document_outputs ${YUNSHAN_BIN_DIR}/${rel})
endforeach()
add_custom_target(documents ALL DEPENDS ${yunshan_document_outputs})

# An installed program: binaries in <prefix>/bin, its data in <prefix>/share/yunshan (AppPaths finds it there), the
# desktop entry and the project file type for the desktop environment. Each user's files go to their own folder.
include(GNUInstallDirs)
install(TARGETS yunshan yunshan-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${YUNSHAN_BIN_DIR}/db/db.sqlite DESTINATION ${CMAKE_INSTALL_DATADIR}/yunshan/db)
install(DIRECTORY ${YUNSHAN_BIN_DIR}/Bmp DESTINATION ${CMAKE_INSTALL_DATADIR}/yunshan)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/accessories DESTINATION ${CMAKE_INSTALL_DATADIR}/yunshan OPTIONAL)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/help.html)
    install(FILES ${PROJECT_SOURCE_DIR}/data/help.html DESTINATION ${CMAKE_INSTALL_DATADIR}/yunshan)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/yunshan.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/yunshan-project.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

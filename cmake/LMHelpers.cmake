# Helpers that keep the per-folder CMakeLists files down to lists of class names.

# The Qt headers nearly every source file of the project includes; precompiled once per target.
set(LM_PRECOMPILED_QT_HEADERS
    <QtCore/QObject> <QtCore/QString> <QtCore/QStringList> <QtCore/QList> <QtCore/QHash>
    <QtCore/QMap> <QtCore/QSet> <QtCore/QVariant> <QtCore/QDebug> <QtCore/QMutex>
    <QtCore/QReadWriteLock> <QtCore/QFileInfo> <QtCore/QDir> <QtCore/QSharedData>
    <QtCore/QRegularExpression> <QtCore/QJsonObject> <QtCore/QJsonArray>
    <QtCore/QDateTime> <QtGui/QColor> <QtGui/QImage> <QtXml/QDomDocument>)

# lm_add_classes(<target> <ClassName>...)
# Adds <ClassName>.h, <ClassName>.cpp and <ClassName>_p.h of the current folder to <target>,
# whichever exist, and puts the folder on the target's include path. Public headers (all but
# the _p.h ones) are remembered for installation.
function(lm_add_classes target)
    set(_dir "${CMAKE_CURRENT_SOURCE_DIR}")
    target_include_directories(${target} PUBLIC "$<BUILD_INTERFACE:${_dir}>")
    foreach(_class IN LISTS ARGN)
        set(_found FALSE)
        foreach(_ext .h .cpp _p.h)
            if(EXISTS "${_dir}/${_class}${_ext}")
                target_sources(${target} PRIVATE "${_dir}/${_class}${_ext}")
                set(_found TRUE)
                if(_ext STREQUAL ".h")
                    set_property(TARGET ${target} APPEND PROPERTY LM_PUBLIC_HEADERS "${_dir}/${_class}.h")
                endif()
            endif()
        endforeach()
        if(NOT _found)
            message(FATAL_ERROR "lm_add_classes: no source for class '${_class}' in ${_dir}")
        endif()
    endforeach()
endfunction()

# lm_write_source_list(<target>): the list of the target's sources that its moc step depends on
# (see lm_add_library), written as a header of comments that moc scans with the others, and
# rewritten only when the list changes.
function(lm_write_source_list target)
    get_target_property(_sources ${target} SOURCES)
    list(TRANSFORM _sources PREPEND "// ")
    list(JOIN _sources "\n" _text)
    set(_list "${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.h")
    file(CONFIGURE OUTPUT "${_list}" CONTENT "// The sources of ${target}, generated.\n${_text}\n" @ONLY)
    target_sources(${target} PRIVATE "${_list}")
endfunction()

# lm_add_library(<target> <export-name>): a shared library of the project with an alias LM::<export-name>,
# a generated export header <target>Export.h, a version and precompiled Qt headers.
function(lm_add_library target export_name)
    add_library(${target} SHARED)
    add_library(LM::${export_name} ALIAS ${target})
    # With Ninja, moc's step does not notice a header added to an existing build tree: it depends on
    # the files of its last run and on this folder's CMakeLists.txt, not on those of the subfolders
    # that name the classes. A list of the sources, written when the folders are done and scanned
    # by moc like the headers, is a file of its last run that changes with the list.
    cmake_language(EVAL CODE "cmake_language(DEFER CALL lm_write_source_list [[${target}]])")
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        EXPORT_NAME ${export_name}
        # LMTemplates finds LMPlatform beside itself wherever the package is installed.
        INSTALL_RPATH "$ORIGIN")
    string(TOUPPER ${target} _upper)
    include(GenerateExportHeader)
    generate_export_header(${target}
        BASE_NAME ${_upper}
        EXPORT_FILE_NAME "${CMAKE_CURRENT_BINARY_DIR}/${target}Export.h")
    target_include_directories(${target} PUBLIC
        "$<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}>"
        "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${target}>"
        # <LMTemplates/LMTemplateRegistry.h> as well as "LMTemplateRegistry.h".
        "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>")
    set_property(TARGET ${target} APPEND PROPERTY LM_PUBLIC_HEADERS
        "${CMAKE_CURRENT_BINARY_DIR}/${target}Export.h")
    target_link_libraries(${target} PRIVATE $<BUILD_INTERFACE:LM::CompileOptions>)
    target_precompile_headers(${target} PRIVATE ${LM_PRECOMPILED_QT_HEADERS})
endfunction()

# lm_install_library(<target>): installs the library and its public headers into the export set.
function(lm_install_library target)
    install(TARGETS ${target} EXPORT LMTemplatesTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target})
    get_target_property(_headers ${target} LM_PUBLIC_HEADERS)
    install(FILES ${_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target})
endfunction()

# Copies every file of SRC into DST unless a file of that name already exists there.
file(GLOB_RECURSE _files RELATIVE ${SRC} ${SRC}/*)
foreach(_f ${_files})
    if(NOT EXISTS ${DST}/${_f})
        get_filename_component(_dir ${DST}/${_f} DIRECTORY)
        file(MAKE_DIRECTORY ${_dir})
        file(COPY ${SRC}/${_f} DESTINATION ${_dir})
    endif()
endforeach()

# Spelling dictionaries for the content editor: every hunspell dictionary of
# the system (/usr/share/hunspell/<lang>.dic with its .aff) converted to the
# browser engine's form, <app>/qtwebengine_dictionaries/<lang with a dash>.bdic
# (the folder the engine looks in next to the program). None found: the
# editor checks no spelling.
find_program(WISPLET_CONVERT_DICT qwebengine_convert_dict
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/libexec)
set(WISPLET_DICTIONARY_DIR ${WISPLET_APP_DIR}/qtwebengine_dictionaries)
set(dictionaries)
if(WISPLET_CONVERT_DICT)
  file(GLOB hunspell_dics /usr/share/hunspell/*.dic)
  foreach(dic ${hunspell_dics})
    get_filename_component(name ${dic} NAME_WE)
    get_filename_component(folder ${dic} DIRECTORY)
    if(NOT EXISTS ${folder}/${name}.aff)
      continue()
    endif()
    string(REPLACE "_" "-" language ${name})
    set(bdic ${WISPLET_DICTIONARY_DIR}/${language}.bdic)
    add_custom_command(OUTPUT ${bdic}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${WISPLET_DICTIONARY_DIR}
      COMMAND ${WISPLET_CONVERT_DICT} ${dic} ${bdic}
      DEPENDS ${dic} ${folder}/${name}.aff
      COMMENT "Converting the spelling dictionary ${name}" VERBATIM)
    list(APPEND dictionaries ${bdic})
  endforeach()
else()
  message(STATUS "qwebengine_convert_dict not found: the content editor will check no spelling")
endif()
add_custom_target(spelling_dictionaries ALL DEPENDS ${dictionaries})

# What every test of the project gets: the fonts it draws with, and surroundings of its own.

# The fonts the tests draw with, chosen here rather than taken from whatever the machine has:
# a folder of links to the font files of each set, and a fontconfig file that offers that folder
# only. "dejavu" is a bare Debian system (fonts-dejavu-core); "desktop" adds what most Linux
# desktops have beside it (fonts-liberation2, fonts-urw-base35). Qt's offscreen platform under
# Wine reads the same folders (QT_QPA_FONTDIR). The rendering settings and family aliases are
# Debian's defaults, those of fontconfig and of the font packages, never the machine's own.
#   TESSARY_FONT_SET_DIR_<set>   the folder of the set's fonts
#   TESSARY_FONT_SET_CONF_<set>  its fontconfig file
set(TESSARY_FONT_SETS dejavu desktop)
set(font_root ${CMAKE_BINARY_DIR}/font-sets)
set(font_packages_dejavu fonts-dejavu-core)
set(font_globs_dejavu /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf /usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf)
set(font_packages_desktop fonts-dejavu-core fonts-liberation2 fonts-urw-base35)
set(font_globs_desktop ${font_globs_dejavu} /usr/share/fonts/truetype/liberation2/*.ttf /usr/share/fonts/opentype/urw-base35/*.otf)
# The settings fontconfig-config enables (all but the user's and the machine's own files), then
# those of the font packages.
set(fontconfig_settings 10-hinting-slight 10-scale-bitmap-fonts 10-yes-antialias 11-lcdfilter-default 20-unhint-small-vera
    30-metric-aliases 40-nonlatin 45-generic 45-latin 48-spacing 49-sansserif 60-generic 60-latin 65-fonts-persian
    65-nonlatin 69-unifont 70-no-bitmaps 80-delicious 90-synthetic)
list(TRANSFORM fontconfig_settings PREPEND /usr/share/fontconfig/conf.avail/)
set(font_settings_dejavu ${fontconfig_settings} /etc/fonts/conf.avail/20-unhint-small-dejavu-sans
    /etc/fonts/conf.avail/20-unhint-small-dejavu-sans-mono /etc/fonts/conf.avail/20-unhint-small-dejavu-serif
    /etc/fonts/conf.avail/57-dejavu-sans /etc/fonts/conf.avail/57-dejavu-sans-mono /etc/fonts/conf.avail/57-dejavu-serif)
set(font_settings_desktop ${font_settings_dejavu})
foreach(urw bookman c059 d050000l fallback-backwards fallback-generics gothic nimbus-mono-ps nimbus-roman nimbus-sans p052
            standard-symbols-ps z003)
    list(APPEND font_settings_desktop /usr/share/fontconfig/conf.avail/urw-${urw})
endforeach()

foreach(set IN LISTS TESSARY_FONT_SETS)
    set(dir ${font_root}/${set})
    file(REMOVE_RECURSE ${dir})
    file(MAKE_DIRECTORY ${dir})
    set(files "")
    set(missing "")
    foreach(pattern IN LISTS font_globs_${set})
        file(GLOB matched ${pattern})
        if(NOT matched)
            list(APPEND missing ${pattern})
        endif()
        list(APPEND files ${matched})
    endforeach()
    if(missing)
        message(WARNING "The tests' font set \"${set}\" lacks ${missing}: install ${font_packages_${set}}. "
                        "The tests that draw text in it will fail.")
    endif()
    foreach(file IN LISTS files)
        get_filename_component(name ${file} NAME)
        file(CREATE_LINK ${file} ${dir}/${name} SYMBOLIC)
    endforeach()
    set(settings ${font_root}/${set}.conf.d)
    file(REMOVE_RECURSE ${settings})
    file(MAKE_DIRECTORY ${settings})
    foreach(file IN LISTS font_settings_${set})
        get_filename_component(name ${file} NAME)
        # Named as Debian enables them: fontconfig reads a folder's files in the order of their names.
        if(name MATCHES "^urw-")
            set(name 61-${name})
        endif()
        if(EXISTS ${file}.conf)
            file(CREATE_LINK ${file}.conf ${settings}/${name}.conf SYMBOLIC)
        endif()
    endforeach()
    set(TESSARY_FONT_SET_DIR_${set} ${dir})
    set(TESSARY_FONT_SET_CONF_${set} ${font_root}/${set}.conf)
    file(WRITE ${TESSARY_FONT_SET_CONF_${set}} "<?xml version=\"1.0\"?>
<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">
<!-- The tests' font set \"${set}\": these fonts only, with Debian's settings for them. -->
<fontconfig>
  <dir>${dir}</dir>
  <cachedir>${font_root}/cache-${set}</cachedir>
  <include>${settings}</include>
</fontconfig>
")
endforeach()

# The environment modifications that give a test the font set: fontconfig's file on Linux, the
# folder for Qt's offscreen platform under Wine.
function(tessary_font_set_environment set out)
    set(modifications "FONTCONFIG_FILE=set:${TESSARY_FONT_SET_CONF_${set}}")
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        string(REPLACE "/" "\\" fonts "Z:${TESSARY_FONT_SET_DIR_${set}}")
        list(APPEND modifications "QT_QPA_FONTDIR=set:${fonts}")
    endif()
    set(${out} ${modifications} PARENT_SCOPE)
endfunction()

# Every test of the calling directory, however it is registered, runs in the same surroundings
# whatever the machine has: the "dejavu" font set, UTC, the C locale, and a home folder of its
# own, so that no user's settings, language, fonts or time zone can change a result. A test's
# own ENVIRONMENT_MODIFICATION, given before, comes after these and wins.
function(tessary_isolate_tests)
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        set(home ${CMAKE_BINARY_DIR}/test-homes/${test})
        file(MAKE_DIRECTORY ${home})
        set(isolated "TZ=set:UTC" "LC_ALL=set:C.UTF-8" "LANG=set:C.UTF-8"
            "LANGUAGE=unset:" "HOME=set:${home}" "XDG_CONFIG_HOME=set:${home}/.config" "XDG_DATA_HOME=set:${home}/.local/share"
            "XDG_CACHE_HOME=set:${home}/.cache")
        tessary_font_set_environment(dejavu fonts)
        list(APPEND isolated ${fonts})
        get_property(own TEST ${test} PROPERTY ENVIRONMENT_MODIFICATION)
        set_property(TEST ${test} PROPERTY ENVIRONMENT_MODIFICATION ${isolated} ${own})
    endforeach()
endfunction()

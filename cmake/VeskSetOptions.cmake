# Settings shared by every target of the project: language level, warnings,
# position-independent code and the optional sanitizers.
function(vesk_set_options target)
    target_compile_features(${target} PUBLIC cxx_std_17)
    set_target_properties(${target} PROPERTIES
        CXX_STANDARD 17
        CXX_STANDARD_REQUIRED ON
        CXX_EXTENSIONS OFF
        POSITION_INDEPENDENT_CODE ON)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(VESK_FORMS_SANITIZE)
        target_compile_options(${target} PRIVATE
            -fsanitize=${VESK_FORMS_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
        target_link_options(${target} PRIVATE -fsanitize=${VESK_FORMS_SANITIZE})
    endif()
endfunction()

# Code that goes into a library: only what carries VESK_API or VESK_FORMS_API
# (include/forms/Export.h, runtime/include/vesk/Export.h) is exported.
function(vesk_hide_internals target)
    set_target_properties(${target} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
endfunction()

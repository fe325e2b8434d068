# Writes a C++ source holding the desktop templates and the program's icons, so that the
# program registers its file type from its own bytes, whatever folder it runs from.
function(daubwerk_embed_text variable file)
    file(READ ${file} text)
    set(${variable} "std::string_view(R\"dwtext(${text})dwtext\")" PARENT_SCOPE)
endfunction()

function(daubwerk_embed_binary variable file)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR bytes "${digits} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
    set(${variable} "std::string_view(\"${escaped}\", ${bytes})" PARENT_SCOPE)
endfunction()

# Turns the forms file into a C++ string constant: cmake -DIN=forms.txt -DOUT=FormsText.inc -P ...
file(READ "${IN}" text)
set(delimiter "vantrelforms")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${IN} holds the text that ends the string")
endif()
file(WRITE "${OUT}" "const char* const formsText = R\"${delimiter}(${text})${delimiter}\";\n")

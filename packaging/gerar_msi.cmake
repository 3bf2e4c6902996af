# Run by CPack's External generator: makes the Windows Installer package from the
# files CPack staged for the .zip, so that it installs the very same adivinhe.exe.
# wixl stamps the clock's time and a random package code; both are set again here,
# so that one tree makes the same bytes anywhere, at any time: the time is the
# commit's (SOURCE_DATE_EPOCH), and the package code is derived from the package.
set(pasta "${CPACK_TEMPORARY_DIRECTORY}")
get_filename_component(msi "${CPACK_TEMPORARY_DIRECTORY}/../${CPACK_PACKAGE_FILE_NAME}.msi" ABSOLUTE)
foreach(programa wixl msiinfo msibuild)
    find_program(ADIVINHE_${programa} ${programa})
    if(NOT ADIVINHE_${programa})
        message(FATAL_ERROR "${programa} makes the .msi: on Debian, ./dependencias.sh windows installs it")
    endif()
endforeach()

function(executar)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE resultado OUTPUT_VARIABLE saida ERROR_VARIABLE saida)
    if(NOT resultado EQUAL 0)
        message(FATAL_ERROR "${ARGN}:\n${saida}")
    endif()
    set(saida "${saida}" PARENT_SCOPE)
endfunction()

string(TIMESTAMP quando "%Y/%m/%d %H:%M:%S" UTC)
string(TIMESTAMP epoca "%s" UTC)
# The cabinet keeps each file's time.
file(GLOB_RECURSE arquivos "${pasta}/*")
executar(touch -d "@${epoca}" ${arquivos})

set(NAMESPACE 7F5138F0-E9F9-4F2A-B419-46BB4426599A)
string(UUID ADIVINHE_CODIGO_DO_PRODUTO NAMESPACE ${NAMESPACE} NAME "produto ${CPACK_PACKAGE_VERSION}" TYPE SHA1 UPPER)
# wixl takes the files by paths relative to the source, which lies beside the staged folder.
configure_file("${CPACK_ADIVINHE_WXS}" "${pasta}/../adivinhe.wxs" @ONLY)
file(COPY_FILE "${CPACK_ADIVINHE_ICONE}" "${pasta}/../adivinhe.ico")
executar("${ADIVINHE_wixl}" -a x64 -o "${msi}" "${pasta}/../adivinhe.wxs")

# The summary: a Portuguese title, the language, the time, and then the package code.
executar("${ADIVINHE_msiinfo}" export "${msi}" _SummaryInformation)
string(REGEX REPLACE "\n2\t[^\n]*" "\n2\tInstalador do Adivinhe o número" resumo "${saida}")
string(REGEX REPLACE "\n7\t[^\n]*" "\n7\tx64;1046" resumo "${resumo}")
string(REGEX REPLACE "\n(12|13)\t[^\n]*" "\n\\1\t${quando}" resumo "${resumo}")
function(escreverResumo codigo)
    string(REGEX REPLACE "\n9\t[^\n]*" "\n9\t{${codigo}}" resumo "${resumo}")
    file(WRITE "${pasta}/../_SummaryInformation.idt" "${resumo}")
    executar("${ADIVINHE_msibuild}" "${msi}" -i "${pasta}/../_SummaryInformation.idt")
endfunction()
escreverResumo(00000000-0000-0000-0000-000000000000)
file(SHA256 "${msi}" conteudo)
string(UUID codigo NAMESPACE ${NAMESPACE} NAME "pacote ${conteudo}" TYPE SHA1 UPPER)
escreverResumo(${codigo})

set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")

# Writes the .msi: cmake -DWIXL= -DMSIBUILD= -DMSIINFO= -DWXS= -DPROGRAM= -DICON= -DOUTPUT=
# -DMENU_NAME= -P this.
# wixl 0.101 crashes on any string that is not ASCII, whatever the code page (65001 or 936), and
# msitools crash importing one into a database of the neutral code page 0 or of 936. So wixl
# writes the package with an ASCII shortcut name; then the database's code page is set to UTF-8
# (65001, as WiX 4 writes its packages by default), while it holds only ASCII, and the Shortcut
# table is imported again with the Chinese name as Windows shows it in the Start menu.

set(work ${OUTPUT}.parts)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
set(msi ${work}/package.msi)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command}: ${status}\n${output}")
  endif()
endfunction()

# wixl finds the files beside the source and takes no absolute names.
file(COPY_FILE ${WXS} ${work}/quotara.wxs)
file(COPY_FILE ${PROGRAM} ${work}/quotara.exe)
file(COPY_FILE ${ICON} ${work}/quotara.ico)
run(${WIXL} --arch x64 --output ${msi} ${work}/quotara.wxs)

file(WRITE ${work}/_ForceCodepage.idt "\r\n\r\n65001\t_ForceCodepage\r\n")
run(${MSIBUILD} ${msi} -i ${work}/_ForceCodepage.idt)

execute_process(COMMAND ${MSIINFO} export ${msi} Shortcut OUTPUT_VARIABLE table
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "msiinfo cannot read the Shortcut table of ${msi}")
endif()
# Lines end in CR LF in the archive format; execute_process may have dropped the CRs.
string(REPLACE "\r\n" "\n" table "${table}")
# The Name column is a file name, "short|long": the short one wixl made stays. wixl writes the
# feature as the target, an advertised shortcut, even when told not to: the program file is.
set(row "\nMenuShortcut\t([^\t]*)\t([^\t|]*)(\\|[^\t]*)?\t([^\t]*)\t([^\t]*)\t")
if(NOT table MATCHES "${row}")
  message(FATAL_ERROR "No MenuShortcut row in the Shortcut table:\n${table}")
endif()
string(REGEX REPLACE "${row}" "\nMenuShortcut\t\\1\t\\2|${MENU_NAME}\t\\4\t[#QuotaraExe]\t"
       table "${table}")
string(REPLACE "\n" "\r\n" table "${table}")
# msibuild names the table after the file.
file(WRITE ${work}/Shortcut.idt "${table}")
run(${MSIBUILD} ${msi} -i ${work}/Shortcut.idt)

file(RENAME ${msi} ${OUTPUT})
file(REMOVE_RECURSE ${work})

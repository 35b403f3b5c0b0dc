# Prints the guide's HTML to PDF with headless Chromium: a fresh profile that
# is removed afterwards, nothing fetched from the network, no page header or
# footer, a bookmark for every heading. Chromium tags the PDF (headings,
# tables, figures with their alternative text) and takes its title from the
# page. Fails when Chromium fails or writes no PDF.
# cmake -DCHROMIUM=... -DHTML=... -DPDF=... -DPROFILE=... -P print_pdf.cmake
file(REMOVE ${PDF})
file(REMOVE_RECURSE ${PROFILE})
execute_process(
  COMMAND ${CHROMIUM} --headless --no-sandbox --disable-gpu --no-first-run
          --disable-background-networking --disable-component-update --disable-sync
          --user-data-dir=${PROFILE} --no-pdf-header-footer --generate-pdf-document-outline
          --print-to-pdf=${PDF}
          file://${HTML}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output
  TIMEOUT 120)
file(REMOVE_RECURSE ${PROFILE})
if(NOT result EQUAL 0 OR NOT EXISTS ${PDF})
  message(FATAL_ERROR "Chromium did not print ${HTML} (${result}):\n${output}")
endif()

# Writes the Qt help project of one language's help pages (into the project
# folder, where the pages are copied) and the collection project (into the
# folder of the compiled help, so the collection names its documentation
# file beside itself and both can move together). Run as
#   cmake -DPAGES=<folder of the pages> -DOUT=<project folder>
#         -DDEST=<compiled help folder> -DNAMESPACE=<help namespace>
#         -P HelpProject.cmake
# The table of contents follows the links of index.html in their order; every
# page's title is a keyword of the index, and so is the caption of every
# control's paragraph (<dt id="anchor">Caption</dt>), leading to that
# paragraph.
cmake_minimum_required(VERSION 3.25)

function(page_title file result)
  file(READ "${file}" text)
  string(REGEX MATCH "<title>([^<]*)</title>" _ "${text}")
  set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# The keywords of the control paragraphs of a page, as <keyword> lines.
function(paragraph_keywords file page result)
  file(READ "${file}" text)
  # A semicolon would split the list of matches; entities end with one.
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REGEX MATCHALL "<dt id=\"[^\"]+\">[^<]+</dt>" paragraphs "${text}")
  set(lines "")
  foreach(paragraph ${paragraphs})
    string(REGEX REPLACE "<dt id=\"([^\"]+)\">([^<]+)</dt>" "\\1" anchor "${paragraph}")
    string(REGEX REPLACE "<dt id=\"([^\"]+)\">([^<]+)</dt>" "\\2" caption "${paragraph}")
    string(REPLACE "@semicolon@" ";" caption "${caption}")
    html_unescape("${caption}" caption)
    xml_escape("${caption}" caption)
    string(APPEND lines "      <keyword name=\"${caption}\" ref=\"${page}#${anchor}\"/>\n")
  endforeach()
  set(${result} "${lines}" PARENT_SCOPE)
endfunction()

function(html_unescape text result)
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

function(xml_escape text result)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB pages RELATIVE "${PAGES}" "${PAGES}/*.html")
file(GLOB all_files RELATIVE "${PAGES}" "${PAGES}/*")
list(SORT pages)
list(SORT all_files)

# The contents: the start page, then the pages it links to, then any page it
# does not link to.
file(READ "${PAGES}/index.html" index_text)
string(REGEX MATCHALL "href=\"[^\"#:]+\\.html\"" links "${index_text}")
set(ordered "")
foreach(link ${links})
  string(REGEX REPLACE "href=\"([^\"]+)\"" "\\1" target "${link}")
  if(target IN_LIST pages AND NOT target IN_LIST ordered AND NOT target STREQUAL "index.html")
    list(APPEND ordered "${target}")
  endif()
endforeach()
foreach(page ${pages})
  if(NOT page IN_LIST ordered AND NOT page STREQUAL "index.html")
    list(APPEND ordered "${page}")
  endif()
endforeach()

page_title("${PAGES}/index.html" home_title)
xml_escape("${home_title}" home_title)
set(toc "      <section title=\"${home_title}\" ref=\"index.html\">\n")
set(keywords "")
foreach(page index.html ${ordered})
  page_title("${PAGES}/${page}" title)
  xml_escape("${title}" title)
  if(NOT page STREQUAL "index.html")
    string(APPEND toc "        <section title=\"${title}\" ref=\"${page}\"/>\n")
  endif()
  string(APPEND keywords "      <keyword name=\"${title}\" ref=\"${page}\"/>\n")
  paragraph_keywords("${PAGES}/${page}" "${page}" page_keywords)
  string(APPEND keywords "${page_keywords}")
endforeach()
string(APPEND toc "      </section>\n")
set(files "")
foreach(file ${all_files})
  string(APPEND files "      <file>${file}</file>\n")
endforeach()

file(MAKE_DIRECTORY "${OUT}")
file(WRITE "${OUT}/velacps.qhp" "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<QtHelpProject version=\"1.0\">
  <namespace>${NAMESPACE}</namespace>
  <virtualFolder>help</virtualFolder>
  <filterSection>
    <toc>
${toc}    </toc>
    <keywords>
${keywords}    </keywords>
    <files>
${files}    </files>
  </filterSection>
</QtHelpProject>
")
file(MAKE_DIRECTORY "${DEST}")
file(WRITE "${DEST}/velacps.qhcp" "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<QHelpCollectionProject version=\"1.0\">
  <docFiles>
    <generate>
      <file>
        <input>${OUT}/velacps.qhp</input>
        <output>velacps.qch</output>
      </file>
    </generate>
    <register>
      <file>velacps.qch</file>
    </register>
  </docFiles>
</QHelpCollectionProject>
")

# Zubrik: writes the service worker with the list of the site's files and their hashes (cmake -P).
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# cmake -DSITE=<folder> -DTEMPLATE=<service_worker.js> -DOUTPUT=<file> -P Precache.cmake
# Run once every other file of the site is written: the worker keeps exactly
# those, and names its cache by a hash of them all. Unchanged files leave the
# worker's bytes unchanged, so browsers see no new version.
get_filename_component(worker ${OUTPUT} NAME)
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files ${worker})
list(SORT files)
set(entries)
set(everything "")
foreach(file IN LISTS files)
  if(file MATCHES "[\"\\\\]")
    message(FATAL_ERROR "${file}: a name the worker's list cannot hold")
  endif()
  file(SHA256 ${SITE}/${file} hash)
  list(APPEND entries "  \"${file}\": \"${hash}\"")
  string(APPEND everything "${file} ${hash}\n")
endforeach()
string(SHA256 version "${everything}")
string(SUBSTRING ${version} 0 16 ZUBRIK_CACHE_VERSION)
list(JOIN entries ",\n" ZUBRIK_PRECACHE)
set(ZUBRIK_PRECACHE "{\n${ZUBRIK_PRECACHE}\n}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)

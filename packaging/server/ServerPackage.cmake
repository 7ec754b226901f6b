# The on-line table (server/) as the Debian package sixdice-server: the application in
# /usr/share/sixdice-server, its settings in /etc/sixdice-server, its SQLite data in
# /var/lib/sixdice-server (owned by www-data), the operator's tool as /usr/bin/sixdice-table, and
# the nginx site and PHP-FPM pool of server/deploy/ with the package's paths, installed but not
# enabled. Its files lie outside any prefix, so they belong to the install component "server",
# which only the package build asks for: a plain `cmake --install` leaves them out.
# Included by packaging/CMakeLists.txt, which defines the release's names and dates.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

set(server_source "${CMAKE_SOURCE_DIR}/server")
set(server_package_source "${CMAKE_CURRENT_SOURCE_DIR}/server")
set(server_staged "${CMAKE_CURRENT_BINARY_DIR}/server")
set(server_app /usr/share/sixdice-server)
set(server_doc /usr/share/doc/sixdice-server)

# The deployment's site and pool, with the package's folder for the application in place of the
# one a copy by hand uses.
foreach(config nginx-site.conf php-fpm-pool.conf)
    set(config_source "${server_source}/deploy/${config}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${config_source}")
    file(READ "${config_source}" config_text)
    string(REPLACE "/srv/sixdice-server" "${server_app}" config_text "${config_text}")
    # Above it, how to enable it (less the licence lines, which the file has already).
    string(REGEX REPLACE "\\.conf$" "-enable.conf" header "${server_package_source}/${config}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${header}")
    file(READ "${header}" header_text)
    string(REGEX REPLACE "[#;] SPDX-[^\n]*\n" "" header_text "${header_text}")
    file(WRITE "${server_staged}/${config}" "${header_text}${config_text}")
endforeach()

# Manual page, changelog and copyright file with this release's names and dates.
configure_file("${server_package_source}/sixdice-table.8.in" "${server_staged}/sixdice-table.8" @ONLY)
configure_file("${server_package_source}/changelog.in" "${server_staged}/changelog" @ONLY)
configure_file("${server_package_source}/copyright.in" "${server_staged}/copyright" @ONLY)
foreach(compressed sixdice-table.8 changelog)
    execute_process(COMMAND gzip -9n -c "${server_staged}/${compressed}"
                    OUTPUT_FILE "${server_staged}/${compressed}.gz" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(MAKE_DIRECTORY "${server_staged}/data/sixdice-server")

set(server_conffiles /etc/sixdice-server/server.ini /etc/sixdice-server/php-fpm-pool.conf
    /etc/nginx/sites-available/sixdice-server)
list(JOIN server_conffiles "\n" server_conffiles)
file(WRITE "${server_staged}/conffiles" "${server_conffiles}\n")

set(server_install COMPONENT server EXCLUDE_FROM_ALL)
install(DIRECTORY "${server_source}/public" DESTINATION "${server_app}" ${server_install})
# The built-in server's router stays behind: the package runs behind nginx.
install(DIRECTORY "${server_source}/src" DESTINATION "${server_app}" ${server_install}
        PATTERN dev_router.php EXCLUDE)
install(PROGRAMS "${server_source}/bin/sixdice-table" DESTINATION "${server_app}/bin" ${server_install})
install(PROGRAMS "${server_package_source}/sixdice-table" DESTINATION /usr/bin ${server_install})
install(FILES "${server_package_source}/server.ini" "${server_staged}/php-fpm-pool.conf"
        DESTINATION /etc/sixdice-server ${server_install})
install(FILES "${server_staged}/nginx-site.conf" DESTINATION /etc/nginx/sites-available
        RENAME sixdice-server ${server_install})
install(DIRECTORY "${server_staged}/data/sixdice-server" DESTINATION /var/lib ${server_install})
install(FILES "${server_staged}/sixdice-table.8.gz" DESTINATION /usr/share/man/man8 ${server_install})
install(FILES "${server_staged}/copyright" "${server_staged}/changelog.gz" "${server_source}/README.md"
        DESTINATION "${server_doc}" ${server_install})

set(CPACK_DEBIAN_SERVER_PACKAGE_NAME sixdice-server)
set(CPACK_DEBIAN_SERVER_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION web)
set(CPACK_DEBIAN_SERVER_PACKAGE_SHLIBDEPS OFF)
# PHP 8.2 for the pool and the tool; php-cli as well, since the tool's first line names "php".
set(CPACK_DEBIAN_SERVER_PACKAGE_DEPENDS "php-cli, php8.2-cli, php8.2-fpm, php8.2-sqlite3")
# The site sends the browser game's brotli copies through nginx's brotli module.
set(CPACK_DEBIAN_SERVER_PACKAGE_RECOMMENDS "nginx-light | nginx, libnginx-mod-http-brotli-static")
set(CPACK_DEBIAN_SERVER_PACKAGE_SUGGESTS "php8.2-pgsql, postgresql")
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
    "${server_staged}/conffiles;${server_package_source}/postinst;${server_package_source}/postrm")
set(CPACK_DEBIAN_SERVER_DESCRIPTION
    "on-line highscore table of the dice game Six Dice\n"
    "The table the game Six Dice sends its best results to, as a small PHP\n"
    "application: it verifies each submission, stores it once and shows the\n"
    "table in Czech or English, as a page and as JSON. E-mail addresses are\n"
    "stored but never shown or logged. Results go to SQLite (the default) or\n"
    "PostgreSQL. The package brings an nginx site and a PHP-FPM pool, installed\n"
    "but not enabled, and the operator's tool sixdice-table.")
list(JOIN CPACK_DEBIAN_SERVER_DESCRIPTION "" CPACK_DEBIAN_SERVER_DESCRIPTION)

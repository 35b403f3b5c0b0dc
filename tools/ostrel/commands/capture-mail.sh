#!/bin/sh
# Stands in for sendmail under `ostrel serve`: stores each message that PHP
# hands over as one .eml file in the folder given as the first argument. The
# names, to the nanosecond, sort in sending order.
set -eu
folder=$1
mkdir -p "$folder"
cat > "$(mktemp --suffix=.eml "$folder/$(date +%Y%m%d-%H%M%S-%N)-XXXXXX")"

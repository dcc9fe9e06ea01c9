# shellcheck shell=bash
# Sourced by the scripts that build with CMake's presets (CMakePresets.json), where each build's
# folder and type are written. QUOTARA_PRESET picks the desktop build's: default, or qt5.

# shellcheck disable=SC2034  # for the scripts that source this
quotara_preset=${QUOTARA_PRESET:-default}

# preset_binary_dir NAME: the build folder of configure preset NAME, relative to the checkout.
preset_binary_dir() {
  # shellcheck disable=SC2016  # ${sourceDir} is CMake's, not the shell's
  python3 -c '
import json, sys
preset = next(p for p in json.load(open("CMakePresets.json"))["configurePresets"]
              if p["name"] == sys.argv[1])
print(preset["binaryDir"].replace("${sourceDir}/", ""))' "$1"
}

#!/bin/sh
# The static build must import nothing but system DLLs, or Wine and a bare
# Windows refuse to start it. Usage: check_imports.sh OBJDUMP EXE
set -e
dlls=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'a-z' 'A-Z' | sort)
echo "$dlls"
[ -n "$dlls" ] || { echo "no imports found"; exit 1; }
for dll in $dlls; do
  case "$dll" in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | SHELL32.DLL | MSVCRT.DLL) ;;
    *) echo "not a system DLL: $dll"; exit 1 ;;
  esac
done

# Reads a DXF file with ezdxf, runs its audit and prints one line per layer with the number of its
# entities, then "FEHLER n" with the number of audit errors.
import collections
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
zaehler = collections.Counter(e.dxf.layer for e in doc.modelspace())
for layer, n in sorted(zaehler.items()):
    print(f"{layer} {n}")
for fehler in auditor.errors:
    print(f"# {fehler.message}", file=sys.stderr)
print(f"FEHLER {len(auditor.errors)}")

# VESPERA: the two commands are `make run` and `make test`.
# Everything else here serves them.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the tests and the benchmarks need: Qt's
# development files bring its platform plugins (the offscreen one renders
# without a display), its translations speak Spanish in its own dialogs, the
# labels need a font installed, and the tests read printed pages back with
# poppler's tools.
PAQUETES = cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n zlib1g-dev fonts-dejavu-core \
           poppler-utils
# The places of the Sun, the Moon and the planets.
PAQUETES += libnova-dev
# A city's local time follows the system's time-zone database.
PAQUETES += tzdata
# The package and its tests: dpkg-shlibdeps finds the .deb's dependencies,
# the desktop entry and the metainfo are checked by their validators, and
# the .deb by lintian.
PAQUETES += dpkg-dev desktop-file-utils appstream lintian
# The fuzz harnesses (make fuzz): clang with libFuzzer and the sanitizers.
PAQUETES += clang libclang-rt-14-dev
# Printing talks to CUPS through libcups; its tests start a cupsd of their
# own (skipped where it cannot start) and drive it with lpadmin and lpstat.
PAQUETES += libcups2-dev cups-daemon cups-client

.PHONY: run test test-san fuzz bench catalogs arte deps build configure clean

run: build
	./$(BUILD)/src/vespera

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The tests again under the address and undefined-behaviour sanitizers.
test-san:
	$(MAKE) test BUILD=build-san BUILD_TYPE=Debug CMAKE_ARGS="-DVESPERA_SANITIZE=ON"

# Every libFuzzer harness of fuzz/ for SECONDS seconds, one after another,
# from its committed seeds (fuzz/corpus/NAME, only read) and what earlier
# runs found (build-fuzz/corpus/NAME). A crash, a hang of 5 s or a broken
# invariant stops it with the end of the harness's log, the input left in
# build-fuzz/. The option parser's own messages are silenced.
SECONDS ?= 10
FUZZ_ARGS ?=
fuzz: deps
	@test -f build-fuzz/CMakeCache.txt || CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESPERA_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	@for h in fuzz/corpus/*/; do n=$$(basename $$h); mkdir -p build-fuzz/corpus/$$n; \
	  silencio=; [ $$n = opciones ] && silencio=-close_fd_mask=2; \
	  if build-fuzz/fuzz/fuzz_$$n build-fuzz/corpus/$$n $$h -max_total_time=$(SECONDS) -timeout=5 $$silencio \
	       -print_final_stats=1 -artifact_prefix=build-fuzz/fuzz_$$n- $(FUZZ_ARGS) > build-fuzz/fuzz_$$n.log 2>&1; \
	  then echo "fuzz_$$n: $$(grep '^Done' build-fuzz/fuzz_$$n.log)"; \
	  else tail -n 40 build-fuzz/fuzz_$$n.log; echo "fuzz_$$n: FALLO"; exit 1; fi; \
	done

bench: build
	@for b in $(BUILD)/bench/vespera_bench_*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# The Debian package, $(BUILD)/vespera_<version>_<arch>.deb; `sudo apt
# install ./$(BUILD)/vespera_*.deb` installs it with its dependencies.
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

# Rebuilds the eleven catalogue files and the cities' time zones (with Node.js),
# the eight sample configurations, the
# location dialog's world map and the pictures in data/ (the public sources
# are fetched once with npm into build/fuentes); the result is byte for
# byte the committed files.
catalogs: arte
	python3 tools/construye_catalogos.py
	python3 tools/configuraciones_ejemplo.py
	python3 tools/mapa_mundo.py

# Draws the program's pictures (buttons, pointers, the splash's pictures,
# the controls and the dials' faces) into data/arte as SVG.
arte: configure
	cmake --build $(BUILD) --target vespera_arte -j $(JOBS)
	./$(BUILD)/tools/arte/vespera_arte data/arte

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

# Installs the missing packages with apt-get; without root it prints the
# command instead and stops.
deps:
	@faltan=""; for p in $(PAQUETES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || faltan="$$faltan $$p"; \
	done; \
	if [ -n "$$faltan" ]; then \
	  if [ "$$(id -u)" -eq 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$faltan; \
	  else \
	    echo "Faltan paquetes; instálelos con:"; \
	    echo "  sudo apt-get install -y$$faltan"; exit 1; \
	  fi; \
	fi

clean:
	rm -rf build build-san build-fuzz

# VESPERA: the two commands are `make run` and `make test`.
# Everything else here serves them.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the tests and the benchmarks need: Qt's
# development files bring its platform plugins (the offscreen one renders
# without a display), the labels need a font installed, and the tests read
# printed pages back with poppler's tools.
PAQUETES = cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-base-dev qt6-svg-dev qt6-multimedia-dev fonts-dejavu-core poppler-utils
# The package and its tests: dpkg-shlibdeps finds the .deb's dependencies,
# and the desktop entry and the metainfo are checked by their validators.
PAQUETES += dpkg-dev desktop-file-utils appstream

.PHONY: run test test-san bench catalogs deps build configure clean

run: build
	./$(BUILD)/src/vespera

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The tests again under the address and undefined-behaviour sanitizers.
test-san:
	$(MAKE) test BUILD=build-san BUILD_TYPE=Debug CMAKE_ARGS="-DVESPERA_SANITIZE=ON"

bench: build
	@for b in $(BUILD)/bench/vespera_bench_*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# The Debian package, $(BUILD)/vespera_<version>_<arch>.deb; `sudo apt
# install ./$(BUILD)/vespera_*.deb` installs it with its dependencies.
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

# Rebuilds the eleven catalogue files, the eight sample configurations and
# the location dialog's world map in data/ (the public sources are fetched
# once with npm into build/fuentes); the result is byte for byte the
# committed files.
catalogs:
	python3 tools/construye_catalogos.py
	python3 tools/configuraciones_ejemplo.py
	python3 tools/mapa_mundo.py

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
	rm -rf build build-san

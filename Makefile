# The two commands a newcomer needs: `make run` and `make test`.
PRESET ?= release
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean

all: build

deps:
	tools/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) --parallel $(JOBS)

run: build
	tools/run-orbilo

test: build
	ctest --preset $(PRESET) --parallel $(JOBS)

clean:
	rm -rf build build-debug

# Quillet 99. `make run` builds and starts it; `make test` installs, builds and runs every test.
.PHONY: all deps build test run stop bench mutants dist format clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@tools/build.sh i686

test: deps
	@tools/test.sh

run: deps
	@tools/run.sh

stop:
	@tools/stop.sh

bench: deps
	@tools/bench.sh

mutants: deps
	@tools/mutants.sh

dist: deps
	@tools/dist.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@for d in build/*/wine; do [ -d "$$d" ] && tools/wine-env.sh stop "$$d"; done; true
	rm -rf build

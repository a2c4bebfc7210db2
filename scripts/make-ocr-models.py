#!/usr/bin/python3
"""Writes the two OCR networks in the form the program loads.

The program expects each network's single output under the name "fetch_name_0" and the
recogniser's dictionary as the custom metadata entry "character" (one class per line, UTF-8).
This script adds an Identity node that exposes the original output under that name and embeds
the dictionary file as it is. Run with Debian's /usr/bin/python3 (python3-onnx).
"""

import argparse
import os
import sys

import onnx
from onnx import helper

OUTPUT_NAME = "fetch_name_0"


def expose_output(model, expected):
    graph = model.graph
    if len(graph.output) != 1:
        sys.exit(f"expected one network output, found {len(graph.output)}")
    original = graph.output[0]
    if expected and original.name != expected:
        sys.exit(f"expected output {expected!r}, found {original.name!r}")
    if original.name == OUTPUT_NAME:
        return
    graph.node.append(
        helper.make_node("Identity", [original.name], [OUTPUT_NAME], name="expose_fetch_name_0"))
    exposed = onnx.ValueInfoProto()
    exposed.CopyFrom(original)
    exposed.name = OUTPUT_NAME
    del graph.output[:]
    graph.output.append(exposed)


def set_metadata(model, key, value):
    for prop in model.metadata_props:
        if prop.key == key:
            prop.value = value
            return
    entry = model.metadata_props.add()
    entry.key = key
    entry.value = value


def write_model(model, path):
    onnx.checker.check_model(model)
    partial = path + ".part"
    onnx.save(model, partial)
    os.replace(partial, path)
    print(f"Wrote {path}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--source", required=True,
                        help="unpacked model package (holds assets/)")
    parser.add_argument("--out", required=True, help="models directory to write")
    parser.add_argument("--det", default="assets/ch_PP-OCRv4_det_infer.onnx")
    parser.add_argument("--rec", default="assets/ch_PP-OCRv4_rec_infer.onnx")
    parser.add_argument("--dict", default="assets/ppocr_keys_v1.txt")
    parser.add_argument("--det-output", default="sigmoid_0.tmp_0")
    parser.add_argument("--rec-output", default="softmax_11.tmp_0")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)

    det = onnx.load(os.path.join(args.source, args.det))
    expose_output(det, args.det_output)
    write_model(det, os.path.join(args.out, "PP-OCRv6_det_small.onnx"))

    with open(os.path.join(args.source, args.dict), "rb") as handle:
        dictionary = handle.read().decode("utf-8")  # stored as is, line feeds included
    rec = onnx.load(os.path.join(args.source, args.rec))
    expose_output(rec, args.rec_output)
    set_metadata(rec, "character", dictionary)
    write_model(rec, os.path.join(args.out, "PP-OCRv6_rec_small.onnx"))


if __name__ == "__main__":
    main()

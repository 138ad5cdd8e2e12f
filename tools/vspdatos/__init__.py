"""Builders of VESPERA's eleven catalogue files from public catalogues."""

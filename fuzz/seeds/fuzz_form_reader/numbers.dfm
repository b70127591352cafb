object Root: TFuzzNode
  Tag = -2147483648
  Count = -$80000000
  Big = -$7FFFFFFFFFFFFFFF
  Ratio = -1.25E-3
  object Max: TFuzzNode
    Tag = $7FFFFFFF
    Count = 2147483647
    Big = 9223372036854775807
    Ratio = 1.7976931348623157E308
  end
  object Min: TFuzzNode
    Count = -128
    Big = -9223372036854775808
    Ratio = -4.9E-324
  end
  object Hex: TFuzzNode
    Count = $FF
    Big = $7FFFFFFFFFFFFFFF
    Ratio = 0.5s
  end
  object Wide: TFuzzNode
    Count = -32769
    Big = -$FFFFFFFF
    Ratio = 12.5c
  end
  object Dated: TFuzzNode
    Count = 0
    Big = 4294967296
    Ratio = 45000.25d
  end
end

object Root: TFuzzNode
  Caption = 'café €'
  Lines.Strings = (
    '日本')
end

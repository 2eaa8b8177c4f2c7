object NVForm: TNVForm
  OnCreate = FormCreate
  OnShow = FormShow
  object NvConverter: TCodeConverter
    DesignType = dtClient
  end
  object LangController: TNvLangController
    Active = False
  end
end
